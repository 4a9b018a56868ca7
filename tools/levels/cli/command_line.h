// The words of one karvelun-levels command, read once against the flags the
// command takes: its switches (--json), its flags with a value (--level N,
// numbers checked here) and its paths in order.
#pragma once

#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace levels_tool {

// A whole number written as nothing else ("12", "-3"; not "12a", "+3", " 3").
std::optional<int64_t> WholeNumber(std::string_view text);

// One clear line on the error output and a failed exit.
struct ToolError {
    std::string message;
};

// A command line the command cannot run: the usage is shown, exit status 2.
struct WrongUsage {};

struct Flag {
    enum class Kind { kSwitch, kWord, kNumber };
    std::string_view name;
    Kind kind = Kind::kSwitch;
    // A number's range, and what its message says it needs when the value
    // is no whole number in it: "--runs needs a number from 1".
    int64_t least = std::numeric_limits<int32_t>::min();
    int64_t most = std::numeric_limits<int32_t>::max();
    std::string_view needs = "a number";
};

// A command that takes any number of paths but none.
inline constexpr size_t kOneOrMorePaths = static_cast<size_t>(-1);

class CommandLine {
  public:
    // Nothing when a word is a flag the command does not take, a flag lacks
    // its value, or the paths are not `paths` in number.  A number out of
    // its range throws its ToolError.  Of a flag given twice the last counts.
    static std::optional<CommandLine> Read(const std::vector<std::string>& words,
                                           std::span<const Flag> flags, size_t paths);

    const std::string& Path(size_t i) const { return paths_.at(i); }
    const std::vector<std::string>& Paths() const { return paths_; }
    bool Has(std::string_view flag) const;
    std::optional<std::string> Word(std::string_view flag) const;
    std::optional<int64_t> Number(std::string_view flag) const;
    // The --level of the commands that take one level, in its range.
    std::optional<int32_t> Level() const;

  private:
    std::vector<std::string> paths_;
    std::map<std::string, std::string, std::less<>> given_;  // a switch's value is empty
};

}  // namespace levels_tool
