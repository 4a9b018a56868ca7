#include "game/settings/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace settings {
namespace {

// Where the blanks (spaces, tabs) from `from` on end.
std::size_t PastBlanks(std::string_view text, std::size_t from) {
    return std::min(text.find_first_not_of(" \t", from), text.size());
}

// The parts of a number at the front of a text.
struct Scan {
    bool negative = false;
    std::string_view body;  // digits and at most one point, no sign
    std::size_t end = 0;    // where the number stops in the text
    bool hasDigit = false;
};

Scan ScanNumber(std::string_view text) {
    Scan scan;
    std::size_t i = PastBlanks(text, 0);
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        scan.negative = text[i] == '-';
        ++i;
    }
    const std::size_t bodyStart = i;
    bool seenPoint = false;
    while (i < text.size()) {
        if (text[i] >= '0' && text[i] <= '9') {
            scan.hasDigit = true;
        } else if (text[i] == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        ++i;
    }
    scan.body = text.substr(bodyStart, i - bodyStart);
    scan.end = i;
    return scan;
}

// Whether the whole part of the digits is above zero; decides which way a
// number that a double cannot hold went out of range.
bool WholePartIsNonZero(std::string_view body) {
    for (char c : body) {
        if (c == '.') return false;
        if (c != '0') return true;
    }
    return false;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    const Scan scan = ScanNumber(text);
    if (!scan.hasDigit) return 0.0;

    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(scan.body.data(), scan.body.data() + scan.body.size(),
                                           value, std::chars_format::fixed);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        value = WholePartIsNonZero(scan.body) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return scan.negative ? -value : value;
}

bool IsNumber(std::string_view text) {
    const Scan scan = ScanNumber(text);
    if (!scan.hasDigit) return false;
    return PastBlanks(text, scan.end) == text.size();
}

int RoundHalfEven(double value) {
    // nearbyint follows the default rounding mode, which rounds halves to even.
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace settings
