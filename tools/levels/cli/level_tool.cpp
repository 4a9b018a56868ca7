#include "tools/levels/cli/level_tool.h"

#include <algorithm>
#include <array>
#include <limits>

#include "tools/levels/cli/command_line.h"
#include "tools/levels/cli/records_command.h"
#include "tools/levels/cli/replay_commands.h"
#include "tools/levels/cli/tool_commands.h"

namespace levels_tool {
namespace {

using Kind = Flag::Kind;
using Run = int (*)(const CommandLine&, std::ostream&, std::ostream&);

constexpr int64_t kNoLimit = std::numeric_limits<int32_t>::max();

// The flags more than one command takes.
constexpr Flag kAnyLevel{"--level", Kind::kNumber, std::numeric_limits<int32_t>::min(), kNoLimit,
                         "a level number"};
constexpr Flag kLevelFromZero{"--level", Kind::kNumber, 0, kNoLimit, "a level number"};
constexpr Flag kSeed{"--seed", Kind::kNumber, 0, kNoLimit, "a number"};

constexpr Flag kDumpFlags[] = {{"--json"}, kAnyLevel};
constexpr Flag kBuildFlags[] = {{"--no-check"}, {"--require-english"}, kSeed};
constexpr Flag kDifficultyFlags[] = {
    {"--chained"},
    {"--levels", Kind::kWord},
    {"--runs", Kind::kNumber, 1, kNoLimit, "a number from 1"},
    {"--healed-before", Kind::kNumber, 0, kNoLimit, "a level number"},
    kSeed,
    {"--obtiznost", Kind::kWord}};
constexpr Flag kExportFlags[] = {kLevelFromZero, {"--tilesets", Kind::kWord}};
constexpr Flag kImportFlags[] = {kLevelFromZero};
constexpr Flag kTryOutFlags[] = {kAnyLevel, {"--tile", Kind::kNumber}};
constexpr Flag kReplayFlags[] = {{"--campaign", Kind::kWord}};
constexpr Flag kRecordFlags[] = {
    {"--seed", Kind::kNumber, 0, std::numeric_limits<int64_t>::max(), "a number"}};

struct Command {
    std::string_view name;
    std::string_view synopsis;  // what follows the name in the usage
    std::span<const Flag> flags;
    size_t paths;
    Run run;
};

constexpr std::array kCommands{
    Command{"dump", "FILE --json [--level N]", kDumpFlags, 1, Dump},
    Command{"build", "SOURCE_DIR OUT.all [--seed N] [--no-check] [--require-english]", kBuildFlags,
            2, Build},
    Command{"campaign", "SOURCE_DIR PACK_DIR", {}, 2, BuildPack},
    Command{"pack", "DIR OUT.all|OUT.lev", {}, 2, Pack},
    Command{"unpack", "FILE.all|FILE.lev DIR", {}, 2, Unpack},
    Command{"check", "FILE.all|FILE.lev", {}, 1, Check},
    Command{"difficulty",
            "FILE.all|FILE.lev [--levels N|A-B] [--runs R] [--seed N]\n"
            "                                   [--chained [--healed-before N]] [--obtiznost "
            "normalni|lehka]",
            kDifficultyFlags, 1, Difficulty},
    Command{"export", "FILE [--level N] [--tilesets DIR] OUT.tmx", kExportFlags, 2, Export},
    Command{"import", "MAP.tmx [--level N] OUT.sc|OUT.txt", kImportFlags, 2, Import},
    Command{"tryout", "FILE [--level N] [--tile T] CAMPAIGN.all OUT.all", kTryOutFlags, 3, TryOut},
    // Its own exit status 2 tells of a recording that did not play.
    Command{"replay", "FILE.rec [--campaign LEVELS.ALL]", kReplayFlags, 1, ReplayCommand},
    // The same status 2 for a recording that did not verify.
    Command{"records", "FILE.rec [MORE.rec ...] [--campaign LEVELS.ALL]", kReplayFlags,
            kOneOrMorePaths, RecordsCommand},
    Command{"record-playthrough", "LEVELS.ALL OUT.rec [--seed N]", kRecordFlags, 2,
            RecordPlaythroughCommand},
};

void PrintUsage(std::ostream& err) {
    for (const Command& command : kCommands)
        err << (&command == &kCommands.front() ? "Usage: " : "       ") << "karvelun-levels "
            << command.name << " " << command.synopsis << "\n";
    err << "       karvelun-levels --help\n";
}

}  // namespace

int RunLevelTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    // The usage asked for is an answer, on the standard output.
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        PrintUsage(out);
        return 0;
    }
    const auto command = args.empty()
                             ? kCommands.end()
                             : std::find_if(kCommands.begin(), kCommands.end(),
                                            [&](const Command& c) { return c.name == args[0]; });
    try {
        if (command != kCommands.end()) {
            const std::vector<std::string> words(args.begin() + 1, args.end());
            if (const auto line = CommandLine::Read(words, command->flags, command->paths))
                return command->run(*line, out, err);
        }
    } catch (const WrongUsage&) {
    } catch (const ToolError& e) {
        err << "karvelun-levels: " << e.message << "\n";
        return 1;
    } catch (const std::exception& e) {
        err << "karvelun-levels: " << e.what() << "\n";
        return 1;
    }
    PrintUsage(err);
    return 2;
}

}  // namespace levels_tool
