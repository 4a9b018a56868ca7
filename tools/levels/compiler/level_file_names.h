// The names of level files, level<N>.<extension> ("level12.txt"), read
// without a regular expression: std::regex costs seconds of every build.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace levels_tool {

struct LevelFileName {
    int32_t number = 0;
    std::string extension;
};

// "level", 1 to maxDigits ASCII digits (a '-' before them when negative is
// allowed), a dot and one or more small letters a to z.  Nothing for any
// other name, or a number past the range of int32_t.
std::optional<LevelFileName> ReadLevelFileName(std::string_view name, size_t maxDigits,
                                               bool negative = false);

// The ASCII digits at the start of text and their number; nothing when
// there are none or the number is past the range of int32_t.
std::optional<int32_t> LeadingNumber(std::string_view text, size_t* digits);

}  // namespace levels_tool
