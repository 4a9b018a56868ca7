#include "tools/levels/cli/command_line.h"

#include <algorithm>
#include <charconv>

namespace levels_tool {

std::optional<int64_t> WholeNumber(std::string_view text) {
    int64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return number;
}

std::optional<CommandLine> CommandLine::Read(const std::vector<std::string>& words,
                                             std::span<const Flag> flags, size_t paths) {
    CommandLine line;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!word.starts_with("--")) {
            line.paths_.push_back(word);
            continue;
        }
        const auto flag =
            std::find_if(flags.begin(), flags.end(), [&](const Flag& f) { return f.name == word; });
        if (flag == flags.end()) return std::nullopt;
        if (flag->kind == Flag::Kind::kSwitch) {
            line.given_[word].clear();
            continue;
        }
        if (i + 1 == words.size()) return std::nullopt;
        const std::string& value = words[++i];
        if (flag->kind == Flag::Kind::kNumber) {
            const std::optional<int64_t> number = WholeNumber(value);
            if (!number || *number < flag->least || *number > flag->most)
                throw ToolError{word + " needs " + std::string(flag->needs)};
        }
        line.given_[word] = value;
    }
    if (paths == kOneOrMorePaths ? line.paths_.empty() : line.paths_.size() != paths)
        return std::nullopt;
    return line;
}

bool CommandLine::Has(std::string_view flag) const {
    return given_.find(flag) != given_.end();
}

std::optional<std::string> CommandLine::Word(std::string_view flag) const {
    const auto found = given_.find(flag);
    if (found == given_.end()) return std::nullopt;
    return found->second;
}

std::optional<int64_t> CommandLine::Number(std::string_view flag) const {
    const std::optional<std::string> word = Word(flag);
    if (!word) return std::nullopt;
    return WholeNumber(*word);  // checked when the line was read
}

std::optional<int32_t> CommandLine::Level() const {
    const std::optional<int64_t> level = Number("--level");
    if (!level) return std::nullopt;
    return static_cast<int32_t>(*level);
}

}  // namespace levels_tool
