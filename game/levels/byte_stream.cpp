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

bool ByteReader::Float32(float& value) {
    uint32_t raw;
    if (!Take(4, raw)) return false;
    std::memcpy(&value, &raw, sizeof value);
    return true;
}

}  // namespace game
