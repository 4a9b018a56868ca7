// Little-endian fields without padding, as every level, package and position
// file lays them out.  The reader never reads past its end: each read says
// whether the field was there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace game {

class ByteWriter {
  public:
    void Int16(int16_t value);
    void Int32(int32_t value);
    void Float32(float value);
    // Bytes already in the format, as they are.
    void Raw(const std::vector<uint8_t>& bytes) {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    }
    void Raw(const uint8_t* data, size_t size) { bytes_.insert(bytes_.end(), data, data + size); }

    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    void Reserve(size_t size) { bytes_.reserve(size); }

  private:
    std::vector<uint8_t> bytes_;
};

class ByteReader {
  public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    explicit ByteReader(const std::vector<uint8_t>& bytes)
        : ByteReader(bytes.data(), bytes.size()) {}
    // The reader only points at its data: a temporary would vanish under it.
    explicit ByteReader(std::vector<uint8_t>&&) = delete;

    // False, with the value untouched, when the data ends before the field.
    // Inline: reading a campaign reads a few hundred thousand fields.
    bool Int16(int16_t& value) {
        uint32_t raw;
        if (!Take(2, raw)) return false;
        value = static_cast<int16_t>(static_cast<uint16_t>(raw));
        return true;
    }
    bool Int32(int32_t& value) {
        uint32_t raw;
        if (!Take(4, raw)) return false;
        value = static_cast<int32_t>(raw);
        return true;
    }
    bool Float32(float& value);

    size_t Offset() const { return offset_; }
    size_t Remaining() const { return size_ - offset_; }

  private:
    bool Take(size_t count, uint32_t& raw) {
        if (Remaining() < count) return false;
        raw = 0;
        for (size_t i = 0; i < count; ++i)
            raw |= static_cast<uint32_t>(data_[offset_ + i]) << (8 * i);
        offset_ += count;
        return true;
    }

    const uint8_t* data_;
    size_t size_;
    size_t offset_ = 0;
};

}  // namespace game
