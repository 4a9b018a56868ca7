#include "tools/levels/cli/level_sources.h"

#include <system_error>

#include "game/core/game_state.h"
#include "game/core/tile_kinds.h"
#include "game/levels/byte_stream.h"
#include "game/levels/text_catalogue.h"
#include "tools/levels/cli/command_line.h"
#include "tools/levels/cli/tool_files.h"
#include "tools/levels/compiler/english_texts.h"
#include "tools/levels/compiler/level_file_names.h"
#include "tools/levels/tiled/tiled_map.h"

namespace levels_tool {

namespace fs = std::filesystem;

namespace {

// The number in a file name such as level12.sc or level12.txt.
std::optional<int32_t> NumberInName(const fs::path& file) {
    const auto name = ReadLevelFileName(file.filename().string(), 7);
    if (!name) return std::nullopt;
    return name->number;
}

}  // namespace

MapLevel ReadMapLevel(const fs::path& path, int32_t number) {
    if (Extension(path) == ".sc") {
        std::vector<uint8_t> bytes;
        try {
            bytes = ReadFileOrFail(path);
        } catch (const ToolError& e) {
            throw SourceError(e.message);
        }
        game::ByteReader in(bytes);
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

game::LevelRecord LevelOfFile(const fs::path& file, std::optional<int32_t>& number,
                              std::map<char, int32_t>& marks,
                              std::map<int32_t, std::string>* english) {
    const std::string extension = Extension(file);
    if (extension == ".txt") {
        if (!number) number = NumberInName(file);
        if (!number) throw ToolError{file.string() + ": name the level with --level N"};
        game::PackageRecord campaign;
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
        game::ByteReader in(bytes);
        game::LevelRecord level;
        std::string why;
        if (!game::ReadLevelRecord(in, *number, level, &why))
            throw ToolError{file.string() + ": " + why};
        return level;
    }
    if (extension == ".all" || extension == ".lev") {
        if (!number) throw ToolError{file.string() + ": name the level with --level N"};
        game::PackageRecord package = ReadPackageFile(file);
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

}  // namespace levels_tool
