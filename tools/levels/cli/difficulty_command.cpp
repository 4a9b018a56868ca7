// difficulty: how newcomers fare, level by level or through the campaign in
// one go.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/levels/bots/chained_runs.h"
#include "tools/levels/bots/level_runs.h"
#include "tools/levels/cli/tool_commands.h"
#include "tools/levels/cli/tool_files.h"

namespace levels_tool {

namespace fs = std::filesystem;

namespace {

// "3" or "0-7".
std::vector<int32_t> LevelRange(const std::string& text) {
    const size_t dash = text.find('-');
    const auto first = WholeNumber(text.substr(0, dash));
    const auto last = dash == std::string::npos ? first : WholeNumber(text.substr(dash + 1));
    if (!first || !last || *first < 0 || *last < *first || *last > INT32_MAX)
        throw ToolError{"--levels needs a level or a range such as 0-7"};
    std::vector<int32_t> levels;
    for (int64_t n = *first; n <= *last; ++n)
        levels.push_back(static_cast<int32_t>(n));
    return levels;
}

// The campaign in one go: one line per level, then per act and for the
// way to the end; the levels that could not be played told on the error
// output.
int ChainedDifficulty(const fs::path& file, const game::PackageRecord& package,
                      const DifficultyOptions& options, std::ostream& out, std::ostream& err) {
    ChainedReport report;
    try {
        report = MeasureChained(package, options);
    } catch (const DifficultyError& e) {
        throw ToolError{file.string() + ": " + e.what()};
    }
    int status = 0;
    for (const ChainedLevel& result : report.levels) {
        if (result.problem.empty()) {
            out << ChainedLine(result) << "\n";
        } else {
            err << file.string() << ": " << result.problem << "\n";
            status = 1;
        }
    }
    if (status != 0) return status;
    for (const ChainedStretch& act : report.acts)
        out << StretchLine(act) << "\n";
    for (const ChainedStretch& ending : report.ending)
        out << StretchLine(ending) << "\n";
    for (const ChainedLevel& result : report.levels)
        if (!LostLine(result).empty()) out << LostLine(result) << "\n";
    return status;
}

}  // namespace

int Difficulty(const CommandLine& line, std::ostream& out, std::ostream& err) {
    const fs::path file = line.Path(0);
    DifficultyOptions options;
    options.levels = LevelRange(line.Word("--levels").value_or("0"));
    if (const auto runs = line.Number("--runs")) options.runs = static_cast<int32_t>(*runs);
    if (const auto level = line.Number("--healed-before"))
        options.healedBefore = static_cast<int32_t>(*level);
    if (const auto seed = line.Number("--seed")) options.seed = static_cast<uint64_t>(*seed);
    // The settings file's words: the easy game, or the normal one.
    if (const auto difficulty = line.Word("--obtiznost")) {
        if (*difficulty == "lehka")
            options.difficulty = settings::Difficulty::kEasy;
        else if (*difficulty == "normalni")
            options.difficulty = settings::Difficulty::kNormal;
        else
            throw ToolError{"--obtiznost needs normalni or lehka"};
    }
    const game::PackageRecord package = ReadPackageFile(file);
    if (line.Has("--chained")) return ChainedDifficulty(file, package, options, out, err);
    std::vector<LevelDifficulty> results;
    try {
        results = MeasureDifficulty(package, options);
    } catch (const DifficultyError& e) {
        throw ToolError{file.string() + ": " + e.what()};
    }
    // The levels measured are reported even when others could not be.
    int status = 0;
    for (const LevelDifficulty& result : results) {
        if (result.problem.empty()) {
            out << DifficultyLine(result) << "\n";
        } else {
            err << file.string() << ": " << result.problem << "\n";
            status = 1;
        }
    }
    return status;
}

}  // namespace levels_tool
