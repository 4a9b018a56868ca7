// The Czech single-byte code page (Windows-1250) that the game's data files
// use for every text, both ways.  Texts inside the game are UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The character of a code.  The five codes the page leaves empty (0x81,
// 0x83, 0x88, 0x90, 0x98) map to the control characters of the same number,
// so that every code reads back to itself.
char32_t Cp1250ToUnicode(uint8_t code);

// The code of a character, or nothing when the page cannot hold it.
std::optional<uint8_t> UnicodeToCp1250(char32_t ch);

// UTF-8 text of a run of codes.
std::string DecodeCp1250(const std::vector<uint8_t>& codes);

struct Cp1250Encoding {
    std::vector<uint8_t> codes;
    bool ok = true;
    // When not ok: the first character the page cannot hold (or U+FFFD for
    // broken UTF-8) and its byte offset in the UTF-8 text.
    char32_t badChar = 0;
    size_t badOffset = 0;
};

// Codes of a UTF-8 text.  Characters the page cannot hold are reported to
// the caller, who decides what to do with the text.
Cp1250Encoding EncodeCp1250(std::string_view utf8);

// True when every character of the UTF-8 text fits the page.
inline bool FitsCp1250(std::string_view utf8) {
    return EncodeCp1250(utf8).ok;
}

// Appends one character as UTF-8.
void AppendUtf8(std::string& out, char32_t ch);

// Splits UTF-8 into characters; broken sequences give U+FFFD.
std::vector<char32_t> Utf8ToCodePoints(std::string_view utf8);

}  // namespace platform
