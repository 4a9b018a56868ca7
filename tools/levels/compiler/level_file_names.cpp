#include "tools/levels/compiler/level_file_names.h"

#include <charconv>

namespace levels_tool {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text's first `length` characters as an int32_t, all of them used.
std::optional<int32_t> NumberOf(std::string_view text, size_t length) {
    int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + length, number);
    if (error != std::errc() || end != text.data() + length) return std::nullopt;
    return number;
}

}  // namespace

std::optional<int32_t> LeadingNumber(std::string_view text, size_t* digits) {
    size_t count = 0;
    while (count < text.size() && IsDigit(text[count]))
        ++count;
    if (digits) *digits = count;
    if (count == 0) return std::nullopt;
    return NumberOf(text, count);
}

std::optional<LevelFileName> ReadLevelFileName(std::string_view name, size_t maxDigits,
                                               bool negative) {
    constexpr std::string_view kStem = "level";
    if (!name.starts_with(kStem)) return std::nullopt;
    name.remove_prefix(kStem.size());
    const size_t sign = negative && name.starts_with('-') ? 1 : 0;
    size_t end = sign;
    while (end < name.size() && IsDigit(name[end]))
        ++end;
    if (end == sign || end - sign > maxDigits) return std::nullopt;
    const std::optional<int32_t> number = NumberOf(name, end);
    if (!number) return std::nullopt;
    name.remove_prefix(end);
    if (name.size() < 2 || name[0] != '.') return std::nullopt;
    name.remove_prefix(1);
    for (const char c : name)
        if (c < 'a' || c > 'z') return std::nullopt;
    return LevelFileName{*number, std::string(name)};
}

}  // namespace levels_tool
