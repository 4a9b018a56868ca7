#include "game/platform/codepage.h"

#include <array>
#include <unordered_map>

namespace platform {
namespace {

// Codes 0x80 to 0xFF; below 0x80 the page is ASCII.
constexpr std::array<char32_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

const std::unordered_map<char32_t, uint8_t>& ReverseTable() {
    static const std::unordered_map<char32_t, uint8_t> table = [] {
        std::unordered_map<char32_t, uint8_t> t;
        for (size_t i = 0; i < kHighHalf.size(); ++i)
            t.emplace(kHighHalf[i], static_cast<uint8_t>(0x80 + i));
        return t;
    }();
    return table;
}

}  // namespace

char32_t Cp1250ToUnicode(uint8_t code) {
    return code < 0x80 ? static_cast<char32_t>(code) : kHighHalf[code - 0x80];
}

std::optional<uint8_t> UnicodeToCp1250(char32_t ch) {
    if (ch < 0x80) return static_cast<uint8_t>(ch);
    const auto& table = ReverseTable();
    auto it = table.find(ch);
    if (it == table.end()) return std::nullopt;
    return it->second;
}

void AppendUtf8(std::string& out, char32_t ch) {
    if (ch < 0x80) {
        out.push_back(static_cast<char>(ch));
    } else if (ch < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else if (ch < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (ch >> 12)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (ch >> 18)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    }
}

std::string DecodeCp1250(const std::vector<uint8_t>& codes) {
    std::string out;
    out.reserve(codes.size() + codes.size() / 4);
    for (uint8_t code : codes)
        AppendUtf8(out, Cp1250ToUnicode(code));
    return out;
}

namespace {

// One character of UTF-8 at text[i]; advances i.  Broken input gives U+FFFD
// and advances by one byte.
char32_t NextCodePoint(std::string_view text, size_t& i) {
    auto byte = [&](size_t k) { return static_cast<uint8_t>(text[k]); };
    uint8_t b0 = byte(i);
    int extra;
    char32_t ch;
    if (b0 < 0x80) {
        ++i;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        extra = 1, ch = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2, ch = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3, ch = b0 & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + extra >= text.size()) {  // the sequence is cut short
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k <= extra; ++k) {
        uint8_t b = byte(i + k);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        ch = (ch << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (ch < kMin[extra] || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) {
        ++i;
        return 0xFFFD;
    }
    i += extra + 1;
    return ch;
}

}  // namespace

std::vector<char32_t> Utf8ToCodePoints(std::string_view utf8) {
    std::vector<char32_t> out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size())
        out.push_back(NextCodePoint(utf8, i));
    return out;
}

Cp1250Encoding EncodeCp1250(std::string_view utf8) {
    Cp1250Encoding result;
    result.codes.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        size_t start = i;
        char32_t ch = NextCodePoint(utf8, i);
        auto code = ch == 0xFFFD ? std::nullopt : UnicodeToCp1250(ch);
        if (!code) {
            if (result.ok) {
                result.ok = false;
                result.badChar = ch;
                result.badOffset = start;
            }
            continue;
        }
        result.codes.push_back(*code);
    }
    return result;
}

}  // namespace platform
