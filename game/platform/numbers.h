// Reading numbers out of texts the way the game's files and settings need:
// the number at the start of a text (0 when there is none) and whether a
// whole text reads as a number.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The number at the start of a text: leading blanks, an optional sign, digits
// with an optional "." and fraction, an optional exponent.  0 when the text
// does not start with a number.  "12 0" gives 12, "3abc" 3, "abc" 0.
double LeadingNumber(std::string_view text);

// True when the whole text is a decimal number with an optional sign and
// optional surrounding blanks: "80", " -5 ", "2.5", "1e3", ".5".
bool IsNumber(std::string_view text);

// Plain decimal text without a leading blank; negative numbers start with "-".
std::string ToText(int64_t value);

}  // namespace platform
