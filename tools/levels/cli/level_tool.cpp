#include "tools/levels/cli/level_tool.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <system_error>

#include "game/core/game_state.h"
#include "game/core/tile_kinds.h"
#include "game/levels/campaign_info.h"
#include "game/levels/keyed_string.h"
#include "game/levels/text_catalogue.h"
#include "game/platform/durable_file.h"
#include "game/platform/file_io.h"
#include "game/platform/random.h"
#include "tools/levels/bots/difficulty_report.h"
#include "tools/levels/cli/replay_commands.h"
#include "tools/levels/cli/tool_paths.h"
#include "tools/levels/cli/try_out.h"
#include "tools/levels/compiler/campaign_check.h"
#include "tools/levels/compiler/campaign_source.h"
#include "tools/levels/compiler/english_texts.h"
#include "tools/levels/compiler/greeting_check.h"
#include "tools/levels/compiler/json_dump.h"
#include "tools/levels/compiler/level_text_writer.h"
#include "tools/levels/tiled/tiled_map.h"

namespace levels_tool {
namespace {

namespace fs = std::filesystem;
using game::ByteReader;
using game::ByteWriter;
using game::PackageRecord;

constexpr const char* kUsage =
    "usage: karvelun-levels dump FILE --json [--level N]\n"
    "       karvelun-levels build SOURCE_DIR OUT.all [--seed N] [--no-check] [--require-english]\n"
    "       karvelun-levels campaign SOURCE_DIR PACK_DIR\n"
    "       karvelun-levels pack DIR OUT.all|OUT.lev\n"
    "       karvelun-levels unpack FILE.all|FILE.lev DIR\n"
    "       karvelun-levels check FILE.all|FILE.lev\n"
    "       karvelun-levels difficulty FILE.all|FILE.lev [--levels N|A-B] [--runs R] [--seed N]\n"
    "                                   [--chained [--healed-before N]] [--obtiznost "
    "normalni|lehka]\n"
    "       karvelun-levels export FILE [--level N] [--tilesets DIR] OUT.tmx\n"
    "       karvelun-levels import MAP.tmx [--level N] OUT.sc|OUT.txt\n"
    "       karvelun-levels tryout FILE [--level N] [--tile T] CAMPAIGN.all OUT.all\n"
    "       karvelun-levels replay FILE.rec [--campaign LEVELS.ALL]\n"
    "       karvelun-levels record-playthrough LEVELS.ALL OUT.rec [--seed N]\n";

// One clear line on stderr and a failed exit.
struct ToolError {
    std::string message;
};

std::string Extension(const fs::path& path) {
    return path.extension().string();
}

std::vector<uint8_t> ReadFileOrFail(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) throw ToolError{path.string() + ": no such file"};
    std::vector<uint8_t> bytes;
    if (!game::ReadWholeFile(path.string(), bytes))
        throw ToolError{path.string() + ": cannot be read (or is far too large)"};
    return bytes;
}

// Writes a file whole or not at all: on a full disk or any other failure
// the old file stays as it was and nothing half-written is left beside it.
void WriteFileOrFail(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::error_code ec;
    if (!path.parent_path().empty()) fs::create_directories(path.parent_path(), ec);
    std::string why;
    if (!game::WriteWholeFile(path.string(), bytes, true, &why))
        throw ToolError{path.string() + ": cannot be written (" + why + ")"};
}

// A package by its extension: levels.all has no header, a .lev has its own
// file name as its header.
PackageRecord ReadPackageFile(const fs::path& path) {
    const std::string extension = Extension(path);
    if (extension != ".all" && extension != ".lev")
        throw ToolError{path.string() + ": a package ends in .all or .lev"};
    const std::vector<uint8_t> bytes = ReadFileOrFail(path);
    ByteReader in(bytes);
    PackageRecord package;
    std::string why;
    if (!game::ReadPackageRecord(in, extension == ".lev", package, &why))
        throw ToolError{path.string() + ": " + why};
    return package;
}

std::vector<uint8_t> PackageBytes(PackageRecord package, const fs::path& out) {
    const std::string extension = Extension(out);
    if (extension == ".lev")
        package.header = out.filename().string();
    else if (extension == ".all")
        package.header.reset();
    else
        throw ToolError{out.string() + ": a package ends in .all or .lev"};
    ByteWriter writer;
    game::WritePackageRecord(writer, package);
    return writer.Bytes();
}

std::optional<int32_t> NumberArgument(const std::string& text) {
    int32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

int ReportProblems(const std::vector<std::string>& problems, const std::string& file,
                   std::ostream& err) {
    for (const std::string& problem : problems)
        err << file << ": " << problem << "\n";
    return problems.empty() ? 0 : 1;
}

// Notes tell of what a designer may leave for later; they fail nothing.
void ReportNotes(const std::vector<std::string>& notes, const std::string& file,
                 std::ostream& err) {
    for (const std::string& note : notes)
        err << file << ": note: " << note << "\n";
}

// The English catalogue beside a package: levels.en beside levels.all.
fs::path CataloguePath(fs::path package) {
    return package.replace_extension(".en");
}

int Dump(const std::vector<std::string>& args, std::ostream& out) {
    fs::path file;
    bool json = false;
    std::optional<int32_t> level;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json") {
            json = true;
        } else if (args[i] == "--level" && i + 1 < args.size()) {
            level = NumberArgument(args[++i]);
            if (!level) throw ToolError{"--level needs a level number"};
        } else if (file.empty()) {
            file = args[i];
        } else {
            return 2;
        }
    }
    if (file.empty() || !json) return 2;

    const std::string extension = Extension(file);
    if (extension == ".all" || extension == ".lev") {
        const PackageRecord package = ReadPackageFile(file);
        WriteLevelsJson(out, package.header, package.levels, 0);
    } else if (extension == ".sc") {
        if (!level) {
            static const std::regex kName(R"(level(-?\d+)\.sc)");
            std::smatch m;
            const std::string name = file.filename().string();
            if (std::regex_match(name, m, kName)) level = NumberArgument(m[1]);
            if (!level)
                throw ToolError{file.string() +
                                ": name the level with --level N (the file "
                                "name is not level<N>.sc)"};
        }
        const std::vector<uint8_t> bytes = ReadFileOrFail(file);
        ByteReader in(bytes);
        std::vector<game::LevelRecord> levels(1);
        std::string why;
        if (!game::ReadLevelRecord(in, *level, levels[0], &why))
            throw ToolError{file.string() + ": " + why};
        WriteLevelsJson(out, std::nullopt, levels, *level);
    } else if (extension == ".pos") {
        const std::vector<uint8_t> bytes = ReadFileOrFail(file);
        ByteReader in(bytes);
        std::string header;
        game::PositionRecord position;
        std::string why;
        if (!game::ReadPositionRecord(in, header, position, &why))
            throw ToolError{file.string() + ": " + why};
        WritePositionJson(out, header, position);
    } else {
        throw ToolError{file.string() + ": dump reads .sc, .all, .lev and .pos files"};
    }
    return 0;
}

std::string ReadTextFile(const fs::path& path) {
    const std::vector<uint8_t> bytes = ReadFileOrFail(path);
    return std::string(bytes.begin(), bytes.end());
}

// A campaign's level<N>.tmx or level<N>.sc, as level N.
MapLevel ReadMapLevel(const fs::path& path, int32_t number) {
    if (Extension(path) == ".sc") {
        std::vector<uint8_t> bytes;
        try {
            bytes = ReadFileOrFail(path);
        } catch (const ToolError& e) {
            throw SourceError(e.message);
        }
        ByteReader in(bytes);
        MapLevel level;
        std::string why;
        if (!game::ReadLevelRecord(in, number, level.level, &why))
            throw SourceError(path.string() + ": " + why);
        return level;
    }
    try {
        tiled_map::ImportedLevel map =
            tiled_map::ReadMap(ReadTextFile(path), path.parent_path(), number);
        return {std::move(map.level), std::move(map.marks), std::move(map.english)};
    } catch (const tiled_map::MapError& e) {
        throw SourceError(path.string() + ": " + e.what());
    } catch (const ToolError& e) {
        throw SourceError(e.message);
    }
}

// The number in a file name such as level12.sc or level12.txt.
std::optional<int32_t> NumberInName(const fs::path& file) {
    static const std::regex kName(R"(level(\d{1,7})\.[a-z]+)");
    std::smatch m;
    const std::string name = file.filename().string();
    if (!std::regex_match(name, m, kName)) return std::nullopt;
    return NumberArgument(m[1]);
}

// One level of a text source (its whole campaign folder is compiled, so
// that exits may name marks of other levels), a level file or a package.
game::LevelRecord LevelOfFile(const fs::path& file, std::optional<int32_t>& number,
                              std::map<char, int32_t>& marks,
                              std::map<int32_t, std::string>* english = nullptr) {
    const std::string extension = Extension(file);
    if (extension == ".txt") {
        if (!number) number = NumberInName(file);
        if (!number) throw ToolError{file.string() + ": name the level with --level N"};
        PackageRecord campaign;
        CampaignMarks used;
        EnglishTexts texts;
        try {
            campaign = CompileCampaign(file.parent_path().empty() ? "." : file.parent_path(),
                                       ReadMapLevel, &used, &texts);
            marks = used[*number];
            if (english) *english = texts[*number];
        } catch (const SourceError& e) {
            throw ToolError{e.what()};
        }
        if (*number < 0 || *number >= static_cast<int32_t>(campaign.levels.size()))
            throw ToolError{file.string() + ": its campaign has no level " +
                            std::to_string(*number)};
        return campaign.levels[static_cast<size_t>(*number)];
    }
    if (extension == ".sc") {
        if (!number) number = NumberInName(file);
        if (!number) throw ToolError{file.string() + ": name the level with --level N"};
        const std::vector<uint8_t> bytes = ReadFileOrFail(file);
        ByteReader in(bytes);
        game::LevelRecord level;
        std::string why;
        if (!game::ReadLevelRecord(in, *number, level, &why))
            throw ToolError{file.string() + ": " + why};
        return level;
    }
    if (extension == ".all" || extension == ".lev") {
        if (!number) throw ToolError{file.string() + ": name the level with --level N"};
        PackageRecord package = ReadPackageFile(file);
        if (*number < 0 || *number >= static_cast<int32_t>(package.levels.size()))
            throw ToolError{file.string() + ": has no level " + std::to_string(*number)};
        game::LevelRecord& level = package.levels[static_cast<size_t>(*number)];
        // The English texts from the catalogue beside the package, when it
        // has one.
        std::error_code ec;
        if (english && fs::is_regular_file(CataloguePath(file), ec)) {
            std::string why;
            const auto catalogue = game::TextCatalogue::Load(CataloguePath(file).string(), &why);
            if (!catalogue) throw ToolError{why};
            for (int32_t t = 0; t < game::kTileCount; ++t)
                if (const std::string* text = catalogue->Find(level.tiles[t].Param1);
                    text && (level.tiles[t].Kind == game::kSign ||
                             level.tiles[t].Kind == game::kMessageScreen))
                    (*english)[t] = *text;
        }
        return level;
    }
    if (extension == ".tmx") {
        try {
            tiled_map::ImportedLevel map = tiled_map::ReadMap(
                ReadTextFile(file), file.parent_path().empty() ? "." : file.parent_path(), number);
            number = map.number;
            marks = map.marks;
            if (english) *english = map.english;
            return map.level;
        } catch (const tiled_map::MapError& e) {
            throw ToolError{file.string() + ": " + e.what()};
        }
    }
    throw ToolError{file.string() + ": reads .txt, .tmx, .sc, .all and .lev files"};
}

int Export(const std::vector<std::string>& args) {
    std::vector<fs::path> paths;
    std::optional<int32_t> number;
    fs::path tilesets = PathsOfThisTool().TilesetsFolder();
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--level" && i + 1 < args.size()) {
            number = NumberArgument(args[++i]);
            if (!number || *number < 0) throw ToolError{"--level needs a level number"};
        } else if (args[i] == "--tilesets" && i + 1 < args.size()) {
            tilesets = args[++i];
        } else {
            paths.push_back(args[i]);
        }
    }
    if (paths.size() != 2) return 2;
    const fs::path out = paths[1];
    if (Extension(out) != ".tmx") throw ToolError{out.string() + ": a Tiled map ends in .tmx"};
    std::map<char, int32_t> marks;
    std::map<int32_t, std::string> english;
    const game::LevelRecord level = LevelOfFile(paths[0], number, marks, &english);
    std::string map;
    try {
        const fs::path folder = out.parent_path().empty() ? fs::path(".") : out.parent_path();
        map = tiled_map::WriteMap(level, *number, tiled_map::LoadTilesets(tilesets), folder, marks,
                                  english);
    } catch (const tiled_map::MapError& e) {
        throw ToolError{paths[0].string() + ": " + e.what()};
    }
    WriteFileOrFail(out, std::vector<uint8_t>(map.begin(), map.end()));
    return 0;
}

int Import(const std::vector<std::string>& args) {
    std::vector<fs::path> paths;
    std::optional<int32_t> number;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--level" && i + 1 < args.size()) {
            number = NumberArgument(args[++i]);
            if (!number || *number < 0) throw ToolError{"--level needs a level number"};
        } else {
            paths.push_back(args[i]);
        }
    }
    if (paths.size() != 2) return 2;
    const fs::path map = paths[0];
    const fs::path out = paths[1];
    const std::string extension = Extension(out);
    if (extension != ".sc" && extension != ".txt")
        throw ToolError{out.string() + ": import writes a level file (.sc) or a source (.txt)"};
    tiled_map::ImportedLevel imported;
    try {
        imported = tiled_map::ReadMap(ReadTextFile(map),
                                      map.parent_path().empty() ? "." : map.parent_path(), number);
    } catch (const tiled_map::MapError& e) {
        throw ToolError{map.string() + ": " + e.what()};
    }
    std::string bytes;
    if (extension == ".sc") {
        platform::RandomizeFromClock();
        ByteWriter writer;
        game::WriteLevelRecord(writer, imported.number, imported.level);
        WriteFileOrFail(out, writer.Bytes());
        return 0;
    }
    std::string source;
    try {
        source = WriteLevelSource(imported.level, imported.number, imported.english);
    } catch (const SourceError& e) {
        throw ToolError{map.string() + ": " + e.what()};
    }
    WriteFileOrFail(out, std::vector<uint8_t>(source.begin(), source.end()));
    return 0;
}

// The campaign with one level in place of its number, for the game's
// karvelun --level; prints the level and the hero's start tile.
int TryOut(const std::vector<std::string>& args, std::ostream& out) {
    std::vector<fs::path> paths;
    std::optional<int32_t> number, tile;
    for (size_t i = 0; i < args.size(); ++i) {
        if ((args[i] == "--level" || args[i] == "--tile") && i + 1 < args.size()) {
            auto& slot = args[i] == "--level" ? number : tile;
            slot = NumberArgument(args[++i]);
            if (!slot) throw ToolError{args[i - 1] + " needs a number"};
        } else {
            paths.push_back(args[i]);
        }
    }
    if (paths.size() != 3) return 2;
    std::map<char, int32_t> marks;
    const game::LevelRecord level = LevelOfFile(paths[0], number, marks);
    PackageRecord campaign = ReadPackageFile(paths[1]);
    int32_t start = 0;
    try {
        PlaceTriedLevel(campaign, *number, level);
        start = TryOutStartTile(campaign, *number, tile);
    } catch (const TryOutError& e) {
        throw ToolError{paths[0].string() + ": " + e.what()};
    }
    platform::RandomizeFromClock();
    WriteFileOrFail(paths[2], PackageBytes(std::move(campaign), paths[2]));
    out << "level " << *number << " tile " << start << "\n";
    return 0;
}

int Build(const std::vector<std::string>& args, std::ostream& err) {
    std::vector<std::string> paths;
    uint64_t seed = 1;
    bool check = true, requireEnglish = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--no-check") {
            check = false;
        } else if (args[i] == "--require-english") {
            requireEnglish = true;
        } else if (args[i] == "--seed" && i + 1 < args.size()) {
            auto value = NumberArgument(args[++i]);
            if (!value || *value < 0) throw ToolError{"--seed needs a number"};
            seed = static_cast<uint64_t>(*value);
        } else {
            paths.push_back(args[i]);
        }
    }
    if (paths.size() != 2) return 2;
    const fs::path out = paths[1];
    if (Extension(out) != ".all") throw ToolError{out.string() + ": the campaign is a .all file"};

    PackageRecord package;
    EnglishTexts english;
    try {
        package = CompileCampaign(paths[0], ReadMapLevel, nullptr, &english);
    } catch (const SourceError& e) {
        throw ToolError{e.what()};
    }
    // One Czech text has one English text, checked or not: the catalogue
    // could not hold two.
    std::vector<std::string> problems;
    const std::map<std::string, std::string> catalogue =
        EnglishCatalogue(package, english, problems);
    if (check) {
        const std::vector<std::string> found = CheckCampaign(package, {.greetings = true});
        problems.insert(problems.end(), found.begin(), found.end());
        EnglishReport report = CheckEnglish(package, SourceEnglish(english), requireEnglish);
        problems.insert(problems.end(), report.problems.begin(), report.problems.end());
        ReportNotes(report.notes, paths[0], err);
    }
    if (ReportProblems(problems, paths[0], err) != 0) return 1;
    // A fixed seed: the same sources give the same bytes.
    platform::Randomize(seed);
    WriteFileOrFail(out, PackageBytes(std::move(package), out));
    const std::string text = game::FormatTextCatalogue(catalogue);
    WriteFileOrFail(CataloguePath(out), std::vector<uint8_t>(text.begin(), text.end()));
    return 0;
}

// The line of a campaign.ini that sets key, for a message about its value.
std::string KeyLine(const std::string& text, const std::string& key) {
    std::istringstream in(text);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        const size_t first = line.find_first_not_of(" \t");
        if (first != std::string::npos && line.compare(first, key.size(), key) == 0)
            return "line " + std::to_string(number) + ": ";
    }
    return "";
}

// The source of level n in a pack's folder, to name in its problems.
fs::path LevelSourceFile(const fs::path& folder, int32_t n) {
    const std::string stem = "level" + std::to_string(n);
    for (const char* extension : {".txt", ".tmx", ".sc"}) {
        std::error_code ec;
        if (fs::is_regular_file(folder / (stem + extension), ec))
            return folder / (stem + extension);
    }
    return folder;
}

// Problems and notes as "level N, ..." lines, each told with the source of
// its level ("src/level2.txt: level 2, tile 40 (...): ...").
void ReportByLevel(const std::vector<std::string>& lines, const fs::path& folder, bool notes,
                   std::ostream& err) {
    static const std::regex kLevel(R"(level (\d+)[,:].*)");
    for (const std::string& line : lines) {
        std::smatch m;
        const fs::path file =
            std::regex_match(line, m, kLevel) ? LevelSourceFile(folder, std::stoi(m[1])) : folder;
        err << file.string() << (notes ? ": note: " : ": ") << line << "\n";
    }
}

struct PackFile {
    fs::path path;
    // Nothing: the file goes (a catalogue the pack no longer has).
    std::optional<std::vector<uint8_t>> bytes;
};

// Writes the files of a pack, each whole.  When one cannot be written, the
// ones written before it get their old bytes back (or go, when they are
// new) and a folder made for the pack goes as well: the game never finds
// half a pack.
void WritePack(const fs::path& folder, const std::vector<PackFile>& files) {
    std::error_code ec;
    const bool made = !fs::exists(folder, ec);
    if (made && !fs::create_directories(folder, ec))
        throw ToolError{folder.string() + ": cannot be made (" + ec.message() + ")"};
    std::vector<PackFile> before;
    const auto undo = [&] {
        for (auto old = before.rbegin(); old != before.rend(); ++old) {
            if (old->bytes)
                game::ReplaceFile(old->path.string(), *old->bytes, game::Durability::kFlushed);
            else
                game::RemoveFile(old->path.string());
        }
        if (made) fs::remove(folder, ec);
    };
    for (const PackFile& file : files) {
        PackFile old{file.path, std::nullopt};
        if (fs::is_regular_file(file.path, ec)) {
            std::vector<uint8_t> bytes;
            if (!game::ReadWholeFile(file.path.string(), bytes)) {
                undo();
                throw ToolError{file.path.string() + ": cannot be read"};
            }
            old.bytes = std::move(bytes);
        } else if (!file.bytes) {
            continue;
        }
        std::string why;
        const bool done = file.bytes ? game::ReplaceFile(file.path.string(), *file.bytes,
                                                         game::Durability::kFlushed, &why)
                                     : game::RemoveFile(file.path.string(), &why);
        if (!done) {
            undo();
            throw ToolError{file.path.string() + ": cannot be written (" + why + ")"};
        }
        before.push_back(std::move(old));
    }
}

// A campaign of one's own: its sources checked and built into a pack
// folder (campaign.ini, levels.all and, when the sources give English
// texts, levels.en), which the game offers beside the built-in campaign.
int BuildPack(const std::vector<std::string>& args, std::ostream& err) {
    if (args.size() != 2) return 2;
    const fs::path source = args[0];
    const fs::path pack = args[1];
    const fs::path infoPath = source / game::kCampaignInfoFileName;
    const std::string infoText = ReadTextFile(infoPath);
    std::string why;
    const std::optional<game::CampaignInfo> info = game::ParseCampaignInfo(infoText, &why);
    if (!info) throw ToolError{infoPath.string() + ": " + why};

    PackageRecord package;
    EnglishTexts english;
    try {
        package = CompileCampaign(source, ReadMapLevel, nullptr, &english, BuiltInLegend());
    } catch (const SourceError& e) {
        throw ToolError{e.what()};
    }
    const auto count = static_cast<int32_t>(package.levels.size());
    if (info->endLevel >= count)
        throw ToolError{infoPath.string() + ": " + KeyLine(infoText, "Konec") + "Konec=" +
                        std::to_string(info->endLevel) + "," + std::to_string(info->endTile) +
                        " names level " + std::to_string(info->endLevel) +
                        ", but the levels are 0 to " + std::to_string(count - 1)};

    std::vector<std::string> problems;
    const std::map<std::string, std::string> catalogue =
        EnglishCatalogue(package, english, problems);
    const std::vector<std::string> found = CheckCampaign(
        package, {.greetings = false, .endLevel = info->endLevel, .endTile = info->endTile});
    problems.insert(problems.end(), found.begin(), found.end());
    // English beside Czech texts: each text wants its own.
    const auto speaks = [&](const char* language) {
        return std::find(info->languages.begin(), info->languages.end(), language) !=
               info->languages.end();
    };
    EnglishReport report = CheckEnglish(package, SourceEnglish(english), false);
    problems.insert(problems.end(), report.problems.begin(), report.problems.end());
    if (!problems.empty()) {
        ReportByLevel(problems, source, false, err);
        return 1;
    }
    ReportByLevel(CheckGreetings(package), source, true, err);
    if (speaks("cs") && speaks("en")) ReportByLevel(report.notes, source, true, err);

    // A fixed seed: the same sources give the same pack.
    platform::Randomize(1);
    const std::vector<uint8_t> levels = PackageBytes(std::move(package), pack / "levels.all");
    const std::string text = game::FormatTextCatalogue(catalogue);
    const std::string ini = game::FormatCampaignInfo(*info);
    std::vector<PackFile> files{{pack / "levels.all", levels}};
    if (catalogue.empty())
        files.push_back({pack / "levels.en", std::nullopt});
    else
        files.push_back({pack / "levels.en", std::vector<uint8_t>(text.begin(), text.end())});
    // campaign.ini last: it is what makes the folder a pack.
    files.push_back(
        {pack / game::kCampaignInfoFileName, std::vector<uint8_t>(ini.begin(), ini.end())});
    WritePack(pack, files);
    return 0;
}

int Pack(const std::vector<std::string>& args) {
    if (args.size() != 2) return 2;
    const fs::path folder = args[0];
    const fs::path out = args[1];
    PackageRecord package;
    for (int32_t n = 0;; ++n) {
        const fs::path file = folder / ("level" + std::to_string(n) + ".sc");
        std::error_code ec;
        if (!fs::is_regular_file(file, ec)) break;
        const std::vector<uint8_t> bytes = ReadFileOrFail(file);
        ByteReader in(bytes);
        std::string why;
        if (!game::ReadLevelRecord(in, n, package.levels.emplace_back(), &why))
            throw ToolError{file.string() + ": " + why};
    }
    if (package.levels.empty()) throw ToolError{folder.string() + ": no level0.sc"};
    platform::RandomizeFromClock();
    WriteFileOrFail(out, PackageBytes(std::move(package), out));
    return 0;
}

int Unpack(const std::vector<std::string>& args) {
    if (args.size() != 2) return 2;
    const fs::path file = args[0];
    const fs::path folder = args[1];
    const PackageRecord package = ReadPackageFile(file);
    if (package.header && *package.header != file.filename().string())
        throw ToolError{file.string() + ": its header names \"" + *package.header +
                        "\", so the game would refuse it under this name"};

    // Level files are replaced by number, as the game does; each new file
    // takes the place of the old one only when it is whole, and the numbers
    // beyond the package go once every level is written.
    std::error_code ec;
    long entries = 0;
    for (auto it = fs::directory_iterator(folder, ec); !ec && it != fs::directory_iterator();
         it.increment(ec))
        ++entries;

    platform::RandomizeFromClock();
    for (size_t n = 0; n < package.levels.size(); ++n) {
        ByteWriter writer;
        game::WriteLevelRecord(writer, static_cast<int32_t>(n), package.levels[n]);
        WriteFileOrFail(folder / ("level" + std::to_string(n) + ".sc"), writer.Bytes());
    }
    for (long n = static_cast<long>(package.levels.size()); n < entries; ++n)
        fs::remove(folder / ("level" + std::to_string(n) + ".sc"), ec);
    return 0;
}

int Check(const std::vector<std::string>& args, std::ostream& err) {
    if (args.size() != 1) return 2;
    // A save's levels have greeted the player already.
    const bool campaign = Extension(args[0]) == ".all";
    const CheckOptions options{.greetings = campaign};
    const PackageRecord package = ReadPackageFile(args[0]);
    std::vector<std::string> problems = CheckCampaign(package, options);
    if (campaign) {
        // The English texts come from the catalogue beside the package.
        const fs::path path = CataloguePath(args[0]);
        std::error_code ec;
        if (!fs::exists(path, ec)) {
            ReportNotes({"no English catalogue beside it (" + path.filename().string() + ")"},
                        args[0], err);
        } else {
            std::string why;
            const auto catalogue = game::TextCatalogue::Load(path.string(), &why);
            if (!catalogue) throw ToolError{why};
            EnglishReport report = CheckEnglish(
                package,
                [&](int32_t, int32_t, const std::string& czech) { return catalogue->Find(czech); },
                false);
            problems.insert(problems.end(), report.problems.begin(), report.problems.end());
            ReportNotes(report.notes, args[0], err);
        }
    }
    return ReportProblems(problems, args[0], err);
}

// "3" or "0-7".
std::vector<int32_t> LevelRange(const std::string& text) {
    const size_t dash = text.find('-');
    const auto first = NumberArgument(text.substr(0, dash));
    const auto last = dash == std::string::npos ? first : NumberArgument(text.substr(dash + 1));
    if (!first || !last || *first < 0 || *last < *first)
        throw ToolError{"--levels needs a level or a range such as 0-7"};
    std::vector<int32_t> levels;
    for (int32_t n = *first; n <= *last; ++n)
        levels.push_back(n);
    return levels;
}

// The campaign in one go: one line per level, then per act and for the
// way to the end; the levels that could not be played told on the error
// output.
int ChainedDifficulty(const fs::path& file, const PackageRecord& package,
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

int Difficulty(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    fs::path file;
    DifficultyOptions options;
    options.levels = {0};
    bool chained = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const bool valued = i + 1 < args.size();
        if (args[i] == "--chained") {
            chained = true;
        } else if (args[i] == "--levels" && valued) {
            options.levels = LevelRange(args[++i]);
        } else if (args[i] == "--runs" && valued) {
            const auto runs = NumberArgument(args[++i]);
            if (!runs || *runs < 1) throw ToolError{"--runs needs a number from 1"};
            options.runs = *runs;
        } else if (args[i] == "--healed-before" && valued) {
            const auto level = NumberArgument(args[++i]);
            if (!level || *level < 0) throw ToolError{"--healed-before needs a level number"};
            options.healedBefore = static_cast<int32_t>(*level);
        } else if (args[i] == "--seed" && valued) {
            const auto seed = NumberArgument(args[++i]);
            if (!seed || *seed < 0) throw ToolError{"--seed needs a number"};
            options.seed = static_cast<uint64_t>(*seed);
        } else if (args[i] == "--obtiznost" && valued) {
            // The settings file's words: the easy game, or the normal one.
            const std::string& value = args[++i];
            if (value == "lehka")
                options.difficulty = settings::Difficulty::kEasy;
            else if (value == "normalni")
                options.difficulty = settings::Difficulty::kNormal;
            else
                throw ToolError{"--obtiznost needs normalni or lehka"};
        } else if (file.empty()) {
            file = args[i];
        } else {
            return 2;
        }
    }
    if (file.empty()) return 2;
    const PackageRecord package = ReadPackageFile(file);
    if (chained) return ChainedDifficulty(file, package, options, out, err);
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

}  // namespace

int RunLevelTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << kUsage;
        return 2;
    }
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    int status = 2;
    try {
        if (command == "dump")
            status = Dump(rest, out);
        else if (command == "build")
            status = Build(rest, err);
        else if (command == "campaign")
            status = BuildPack(rest, err);
        else if (command == "pack")
            status = Pack(rest);
        else if (command == "unpack")
            status = Unpack(rest);
        else if (command == "check")
            status = Check(rest, err);
        else if (command == "difficulty")
            status = Difficulty(rest, out, err);
        else if (command == "export")
            status = Export(rest);
        else if (command == "import")
            status = Import(rest);
        else if (command == "tryout")
            status = TryOut(rest, out);
        else if (command == "replay")
            // Its own exit status 2 tells of a recording that did not play.
            return ReplayCommand(rest, out, err);
        else if (command == "record-playthrough")
            status = RecordPlaythroughCommand(rest, out, err);
    } catch (const ToolError& e) {
        err << "karvelun-levels: " << e.message << "\n";
        return 1;
    } catch (const std::exception& e) {
        err << "karvelun-levels: " << e.what() << "\n";
        return 1;
    }
    if (status == 2) err << kUsage;
    return status;
}

}  // namespace levels_tool
