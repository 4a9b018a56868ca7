// dump, export, import and tryout: one level (or one file) at a time.
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>

#include "game/levels/byte_stream.h"
#include "game/levels/position_record.h"
#include "game/platform/random.h"
#include "tools/levels/cli/level_sources.h"
#include "tools/levels/cli/tool_commands.h"
#include "tools/levels/cli/tool_files.h"
#include "tools/levels/cli/tool_paths.h"
#include "tools/levels/cli/try_out.h"
#include "tools/levels/compiler/json_dump.h"
#include "tools/levels/compiler/level_file_names.h"
#include "tools/levels/compiler/level_text_writer.h"
#include "tools/levels/tiled/tiled_map.h"

namespace levels_tool {

namespace fs = std::filesystem;

namespace {

// The level a dumped level file holds, from its name (level-1.sc too).
std::optional<int32_t> DumpedLevelNumber(const fs::path& file) {
    const auto name = ReadLevelFileName(file.filename().string(), std::string::npos, true);
    if (!name || name->extension != "sc") return std::nullopt;
    return name->number;
}

}  // namespace

int Dump(const CommandLine& line, std::ostream& out, std::ostream&) {
    if (!line.Has("--json")) throw WrongUsage{};
    const fs::path file = line.Path(0);
    std::optional<int32_t> level = line.Level();
    const std::string extension = Extension(file);
    if (extension == ".all" || extension == ".lev") {
        const game::PackageRecord package = ReadPackageFile(file);
        WriteLevelsJson(out, package.header, package.levels, 0);
    } else if (extension == ".sc") {
        if (!level) level = DumpedLevelNumber(file);
        if (!level)
            throw ToolError{file.string() +
                            ": name the level with --level N (the file "
                            "name is not level<N>.sc)"};
        const std::vector<uint8_t> bytes = ReadFileOrFail(file);
        game::ByteReader in(bytes);
        std::vector<game::LevelRecord> levels(1);
        std::string why;
        if (!game::ReadLevelRecord(in, *level, levels[0], &why))
            throw ToolError{file.string() + ": " + why};
        WriteLevelsJson(out, std::nullopt, levels, *level);
    } else if (extension == ".pos") {
        const std::vector<uint8_t> bytes = ReadFileOrFail(file);
        game::ByteReader in(bytes);
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

int Export(const CommandLine& line, std::ostream&, std::ostream&) {
    const fs::path source = line.Path(0), out = line.Path(1);
    std::optional<int32_t> number = line.Level();
    const fs::path tilesets = line.Word("--tilesets").value_or(PathsOfThisTool().TilesetsFolder());
    if (Extension(out) != ".tmx") throw ToolError{out.string() + ": a Tiled map ends in .tmx"};
    std::map<char, int32_t> marks;
    std::map<int32_t, std::string> english;
    const game::LevelRecord level = LevelOfFile(source, number, marks, &english);
    std::string map;
    try {
        const fs::path folder = out.parent_path().empty() ? fs::path(".") : out.parent_path();
        map = tiled_map::WriteMap(level, *number, tiled_map::LoadTilesets(tilesets), folder, marks,
                                  english);
    } catch (const tiled_map::MapError& e) {
        throw ToolError{source.string() + ": " + e.what()};
    }
    WriteFileOrFail(out, std::vector<uint8_t>(map.begin(), map.end()));
    return 0;
}

int Import(const CommandLine& line, std::ostream&, std::ostream&) {
    const fs::path map = line.Path(0), out = line.Path(1);
    const std::string extension = Extension(out);
    if (extension != ".sc" && extension != ".txt")
        throw ToolError{out.string() + ": import writes a level file (.sc) or a source (.txt)"};
    tiled_map::ImportedLevel imported;
    try {
        imported = tiled_map::ReadMap(
            ReadTextFile(map), map.parent_path().empty() ? "." : map.parent_path(), line.Level());
    } catch (const tiled_map::MapError& e) {
        throw ToolError{map.string() + ": " + e.what()};
    }
    if (extension == ".sc") {
        platform::RandomizeFromClock();
        game::ByteWriter writer;
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

int TryOut(const CommandLine& line, std::ostream& out, std::ostream&) {
    std::optional<int32_t> number = line.Level();
    std::optional<int32_t> tile;
    if (const auto given = line.Number("--tile")) tile = static_cast<int32_t>(*given);
    std::map<char, int32_t> marks;
    const game::LevelRecord level = LevelOfFile(line.Path(0), number, marks);
    game::PackageRecord campaign = ReadPackageFile(line.Path(1));
    int32_t start = 0;
    try {
        PlaceTriedLevel(campaign, *number, level);
        start = TryOutStartTile(campaign, *number, tile);
    } catch (const TryOutError& e) {
        throw ToolError{line.Path(0) + ": " + e.what()};
    }
    platform::RandomizeFromClock();
    WriteFileOrFail(line.Path(2), PackageBytes(std::move(campaign), line.Path(2)));
    out << "level " << *number << " tile " << start << "\n";
    return 0;
}

}  // namespace levels_tool
