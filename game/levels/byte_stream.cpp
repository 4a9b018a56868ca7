#include "game/levels/byte_stream.h"

#include <cstring>

namespace game {

void ByteWriter::Int16(int16_t value) {
    const auto raw = static_cast<uint16_t>(value);
    bytes_.push_back(static_cast<uint8_t>(raw & 0xFF));
    bytes_.push_back(static_cast<uint8_t>(raw >> 8));
}

void ByteWriter::Int32(int32_t value) {
    const auto raw = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        bytes_.push_back(static_cast<uint8_t>((raw >> shift) & 0xFF));
}

void ByteWriter::Float32(float value) {
    uint32_t raw;
    std::memcpy(&raw, &value, sizeof raw);
    Int32(static_cast<int32_t>(raw));
}

bool ByteReader::Take(size_t count, uint32_t& raw) {
    if (Remaining() < count) return false;
    raw = 0;
    for (size_t i = 0; i < count; ++i)
        raw |= static_cast<uint32_t>(data_[offset_ + i]) << (8 * i);
    offset_ += count;
    return true;
}

bool ByteReader::Int16(int16_t& value) {
    uint32_t raw;
    if (!Take(2, raw)) return false;
    value = static_cast<int16_t>(static_cast<uint16_t>(raw));
    return true;
}

bool ByteReader::Int32(int32_t& value) {
    uint32_t raw;
    if (!Take(4, raw)) return false;
    value = static_cast<int32_t>(raw);
    return true;
}

bool ByteReader::Float32(float& value) {
    uint32_t raw;
    if (!Take(4, raw)) return false;
    std::memcpy(&value, &raw, sizeof value);
    return true;
}

}  // namespace game
