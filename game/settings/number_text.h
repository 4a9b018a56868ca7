// How the settings tool reads a number out of a line of setup.ini, as its
// bars show it.  Unlike the game's reading (game/platform/numbers.h, which
// the game's own volume and tick go through) there is no exponent: "1e3"
// is no number here, and its leading number is 1.
#pragma once

#include <string_view>

namespace settings {

// The number formed by the leading numeric characters of the text: blanks,
// an optional sign, digits with at most one "." as the decimal point.
// A text that starts with no number gives 0.  Too many digits give a huge
// value (or a tiny one after the point), never an error.
double LeadingNumber(std::string_view text);

// True when the whole text reads as one decimal number: optional blanks, an
// optional sign, digits with an optional "." part (at least one digit in
// all), optional blanks.
bool IsNumber(std::string_view text);

// The nearest whole number, halves going to the even neighbour.  The value
// must lie within the range of int (callers clamp it first).
int RoundHalfEven(double value);

}  // namespace settings
