#include "game/platform/numbers.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace platform {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the longest number at the start of text (after blanks were
// skipped), or 0 when there is none.
size_t NumberLength(std::string_view text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        size_t j = i + 1;
        size_t fraction = 0;
        while (j < text.size() && IsDigit(text[j]))
            ++j, ++fraction;
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0) return 0;
    // An exponent counts only when digits follow it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        size_t expDigits = 0;
        while (j < text.size() && IsDigit(text[j]))
            ++j, ++expDigits;
        if (expDigits > 0) i = j;
    }
    return i;
}

size_t SkipBlanks(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return i;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    text.remove_prefix(SkipBlanks(text));
    size_t n = NumberLength(text);
    if (n == 0) return 0.0;
    std::string number(text.substr(0, n));
    double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

bool IsNumber(std::string_view text) {
    text.remove_prefix(SkipBlanks(text));
    size_t n = NumberLength(text);
    if (n == 0) return false;
    text.remove_prefix(n);
    return SkipBlanks(text) == text.size();
}

std::string ToText(int64_t value) {
    return std::to_string(value);
}

}  // namespace platform
