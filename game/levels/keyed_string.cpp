#include "game/levels/keyed_string.h"

#include <vector>

#include "game/platform/codepage.h"
#include "game/platform/random.h"
#include "game/platform/rounding.h"

namespace game {

int16_t LevelHeaderKey() {
    return platform::CInt(platform::Rnd() * 100.0f + 1.0f);
}

int16_t TileTextKey() {
    return platform::CInt(platform::Rnd() * 10.0f + 1.0f);
}

int16_t SaveHeaderKey() {
    return static_cast<int16_t>(platform::Rnd() * 100.0f);
}

void WriteKeyedString(ByteWriter& out, std::string_view text, int16_t key) {
    std::vector<uint8_t> codes;
    codes.reserve(text.size());
    for (char32_t ch : platform::Utf8ToCodePoints(text)) {
        if (codes.size() == kMaxKeyedStringLength) break;
        codes.push_back(platform::UnicodeToCp1250(ch).value_or('?'));
    }
    out.Int16(static_cast<int16_t>(codes.size()));
    out.Int16(key);
    for (uint8_t code : codes)
        out.Int16(static_cast<int16_t>(code + key));
}

bool ReadKeyedString(ByteReader& in, std::string& text) {
    int16_t length = 0;
    int16_t key = 0;
    if (!in.Int16(length) || !in.Int16(key)) return false;
    if (length < 0 || in.Remaining() / 2 < static_cast<size_t>(length)) return false;
    std::vector<uint8_t> codes(static_cast<size_t>(length));
    for (uint8_t& code : codes) {
        int16_t stored = 0;
        in.Int16(stored);
        const int32_t value = int32_t{stored} - int32_t{key};
        if (value < 0 || value > 255) return false;
        code = static_cast<uint8_t>(value);
    }
    text = platform::DecodeCp1250(codes);
    return true;
}

}  // namespace game
