#include "tools/levels/compiler/campaign_source.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <vector>

#include "game/core/game_state.h"
#include "game/platform/codepage.h"
#include "tools/levels/compiler/level_file_names.h"
#include "tools/levels/tiled/tile_parameters.h"

namespace levels_tool {
namespace {

namespace fs = std::filesystem;
using game::LevelRecord;

// Where a line came from, for error messages.
struct Place {
    std::string file;
    int line = 0;
};

[[noreturn]] void Fail(const Place& at, const std::string& what) {
    throw SourceError(at.file + ":" + std::to_string(at.line) + ": " + what);
}

// A tile index given in a source: a number, "column,row", or "@c" for the
// one tile of a map that shows the character c.
struct TileRef {
    std::optional<int32_t> index;
    char marker = 0;
};

struct TileDef {
    Place at;
    int16_t picture = 0;
    int16_t kind = 0;
    int16_t revealed = 0;
    std::string param1, param2;
    std::string english;  // the English text of a sign or message screen
    // Targets that are resolved against a map once every level is read:
    // the target of a teleport or mechanism (in its own level, written to
    // Param1) or of an exit (in the level it leads to, written to Param2).
    std::optional<TileRef> target;
    bool targetInOtherLevel = false;
};

struct MonsterDef {
    int16_t picture, kind, damage, hitPoints;
};

struct ItemDef {
    int16_t picture, kind;
};

struct Legend {
    std::map<char, TileDef> tiles;
    std::map<char, MonsterDef> monsters;
    std::map<char, ItemDef> items;
};

struct LevelSource {
    int32_t number = 0;
    std::string file;
    std::vector<std::string> map;
    std::vector<std::string> things;
    std::vector<Place> mapPlaces;
    std::vector<Place> thingPlaces;
    Legend legend;
    std::optional<MapLevel> fromMap;  // a Tiled map, read whole
};

// --- words of a line ---------------------------------------------------

struct Word {
    std::string text;
    bool quoted = false;
};

// Splits a line into words; "..." is one word (\" and \\ inside).  A word
// starting with # that is not the character of a legend line begins a
// comment.
std::vector<Word> SplitWords(const std::string& line, const Place& at) {
    std::vector<Word> words;
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        if (line[i] == '"') {
            Word word{"", true};
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\'))
                    c = line[i++];
                word.text.push_back(c);
            }
            if (!closed) Fail(at, "a text is missing its closing quotation mark");
            words.push_back(std::move(word));
            continue;
        }
        size_t end = line.find_first_of(" \t", i);
        if (end == std::string::npos) end = line.size();
        std::string text = line.substr(i, end - i);
        if (text[0] == '#' && words.size() >= 2) break;  // a comment
        words.push_back({std::move(text), false});
        i = end;
    }
    return words;
}

int32_t ParseInt(const Word& word, const Place& at, const std::string& what, int32_t low,
                 int32_t high) {
    int32_t value = 0;
    const char* first = word.text.data();
    const char* last = first + word.text.size();
    auto [end, error] = std::from_chars(first, last, value);
    if (word.quoted || error != std::errc() || end != last || value < low || value > high)
        Fail(at, what + " must be a whole number from " + std::to_string(low) + " to " +
                     std::to_string(high) + ", not \"" + word.text + "\"");
    return value;
}

int16_t ParseShort(const Word& word, const Place& at, const std::string& what, int32_t low = 0,
                   int32_t high = 32767) {
    return static_cast<int16_t>(ParseInt(word, at, what, low, high));
}

std::string CheckedText(const Word& word, const Place& at) {
    if (!word.quoted) Fail(at, "a text must stand in quotation marks: \"" + word.text + "\"");
    const platform::Cp1250Encoding encoded = platform::EncodeCp1250(word.text);
    if (!encoded.ok) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(encoded.badChar));
        Fail(at, std::string("the text holds a character that Windows-1250 cannot hold (") + code +
                     ")");
    }
    if (encoded.codes.size() > 32767) Fail(at, "the text is longer than 32767 characters");
    return word.text;
}

// "column,row": two runs of digits with a comma between them.
bool ReadColumnRow(std::string_view text, int32_t& column, int32_t& row) {
    size_t digits = 0;
    const std::optional<int32_t> first = LeadingNumber(text, &digits);
    if (!first || digits + 1 >= text.size() || text[digits] != ',') return false;
    text.remove_prefix(digits + 1);
    const std::optional<int32_t> second = LeadingNumber(text, &digits);
    if (!second || digits != text.size()) return false;
    column = *first;
    row = *second;
    return true;
}

TileRef ParseTileRef(const Word& word, const Place& at) {
    TileRef ref;
    const std::string& t = word.text;
    if (!word.quoted && t.size() == 2 && t[0] == '@') {
        ref.marker = t[1];
        return ref;
    }
    int32_t column = 0, row = 0;
    if (!word.quoted && ReadColumnRow(t, column, row)) {
        if (column >= game::kGridSize || row >= game::kGridSize)
            Fail(at, "\"" + t + "\" lies outside the 25 x 25 tiles (columns and rows 0 to 24)");
        ref.index = row * game::kGridSize + column;
        return ref;
    }
    ref.index = ParseInt(word, at, "a tile", 0, tiled_map::kLastTile);
    return ref;
}

int16_t ParseKindName(const Word& word, const Place& at) {
    if (!word.quoted) {
        for (size_t kind = 0; kind < game::kTileKindNames.size(); ++kind)
            if (word.text == game::kTileKindNames[kind]) return static_cast<int16_t>(kind);
    }
    return ParseShort(word, at, "a tile kind", 0, 8);
}

// --- legend lines ------------------------------------------------------

char LegendCharacter(const std::vector<Word>& words, const Place& at) {
    if (words.size() < 2 || words[1].quoted || words[1].text.size() != 1 ||
        words[1].text[0] < '!' || words[1].text[0] > '~')
        Fail(at, "\"" + words[0].text +
                     "\" must be followed by one visible ASCII character for the maps");
    return words[1].text[0];
}

void NeedWords(const std::vector<Word>& words, size_t count, const Place& at,
               const std::string& form) {
    if (words.size() < count) Fail(at, "expected: " + form);
}

// en "text" at words[next], when it stands there: the English text beside
// the Czech one.  Returns the index of the word after it.
size_t ParseEnglish(const std::vector<Word>& words, size_t next, const Place& at, TileDef& def) {
    if (next >= words.size() || words[next].quoted || words[next].text != "en") return next;
    if (next + 1 >= words.size()) Fail(at, "\"en\" must be followed by the English text");
    def.english = CheckedText(words[next + 1], at);
    if (def.english.empty()) Fail(at, "the English text is empty");
    return next + 2;
}

// tile <c> <picture> <type> [arguments] [revealed]
TileDef ParseTileDef(std::vector<Word> words, const Place& at) {
    TileDef def;
    def.at = at;
    if (!words.empty() && words.back().text == "revealed" && !words.back().quoted) {
        def.revealed = game::kTrue;
        words.pop_back();
    }
    NeedWords(words, 4, at, "tile <character> <picture> <type> ...");
    def.picture = ParseShort(words[2], at, "the picture");
    const std::string type = words[3].text;
    auto expect = [&](size_t count, const char* form) {
        if (words.size() != count)
            Fail(at, std::string("expected: tile <character> <picture> ") + form);
    };
    if (type == "floor" || type == "wall" || type == "trap") {
        expect(4, "floor|wall|trap");
        def.kind = ParseKindName(words[3], at);
    } else if (type == "breakable") {
        expect(6, "breakable <strength> <picture when destroyed>");
        def.kind = game::kDestructibleWall;
        def.param1 = std::to_string(ParseShort(words[4], at, "the strength", 1));
        def.param2 = std::to_string(ParseShort(words[5], at, "the picture when destroyed"));
    } else if (type == "sign" || type == "message") {
        const bool sign = type == "sign";
        const char* form =
            sign ? "expected: tile <character> <picture> sign \"text\" [once] [en \"text\"]"
                 : "expected: tile <character> <picture> message \"text\" [en \"text\"]";
        if (words.size() < 5) Fail(at, form);
        def.kind = sign ? game::kSign : game::kMessageScreen;
        def.param1 = CheckedText(words[4], at);
        size_t next = 5;
        if (sign && next < words.size() && words[next].text == "once" && !words[next].quoted) {
            def.param2 = "ONCE";
            ++next;
        }
        next = ParseEnglish(words, next, at, def);
        if (next != words.size())
            Fail(at, sign ? "after the text only \"once\" and en \"text\" may follow"
                          : "after the text only en \"text\" may follow");
    } else if (type == "teleport") {
        if (words.size() < 5 || words.size() > 6)
            Fail(at, "expected: tile <character> <picture> teleport <target> [once]");
        def.kind = game::kTeleport;
        def.target = ParseTileRef(words[4], at);
        if (words.size() == 6) {
            if (words[5].text != "once") Fail(at, "after the target only \"once\" may follow");
            def.param2 = "ONCE";
        }
    } else if (type == "exit") {
        expect(6, "exit <level> <target tile in that level>");
        def.kind = game::kLevelExit;
        def.param1 =
            std::to_string(ParseInt(words[4], at, "the level", 0, tiled_map::kHighestLevelNumber));
        def.target = ParseTileRef(words[5], at);
        def.targetInOtherLevel = true;
    } else if (type == "mechanism") {
        expect(7, "mechanism <target> <new picture> <new type>");
        def.kind = game::kMechanism;
        def.target = ParseTileRef(words[4], at);
        def.param2 = std::to_string(ParseShort(words[5], at, "the new picture")) + " " +
                     std::to_string(ParseKindName(words[6], at));
    } else if (type == "raw") {
        if (words.size() < 7 || ParseEnglish(words, 7, at, def) != words.size())
            Fail(at,
                 "expected: tile <character> <picture> raw <kind> \"param1\" \"param2\" "
                 "[en \"param1 in English\"]");
        def.kind = ParseShort(words[4], at, "the kind", -32768, 32767);
        def.param1 = CheckedText(words[5], at);
        def.param2 = CheckedText(words[6], at);
    } else {
        Fail(at, "unknown tile type \"" + type +
                     "\" (floor, wall, breakable, sign, teleport, exit, mechanism, trap, "
                     "message, raw)");
    }
    return def;
}

// One line of legend.txt or of a level's [legend].
void ParseLegendLine(const std::vector<Word>& words, const Place& at, Legend& legend) {
    const std::string& keyword = words[0].text;
    if (keyword == "tile") {
        legend.tiles[LegendCharacter(words, at)] = ParseTileDef(words, at);
    } else if (keyword == "monster") {
        const char c = LegendCharacter(words, at);
        if (words.size() != 6)
            Fail(at, "expected: monster <character> <picture> <kind> <damage> <hit points>");
        legend.monsters[c] = {ParseShort(words[2], at, "the picture"),
                              ParseShort(words[3], at, "the monster kind", 0, 3),
                              ParseShort(words[4], at, "the damage"),
                              ParseShort(words[5], at, "the hit points", 1)};
    } else if (keyword == "item") {
        const char c = LegendCharacter(words, at);
        if (words.size() != 4) Fail(at, "expected: item <character> <picture> <kind>");
        legend.items[c] = {ParseShort(words[2], at, "the picture"),
                           ParseShort(words[3], at, "the item kind", 0, 32767)};
    } else {
        Fail(at, "unknown line \"" + keyword + "\" (tile, monster or item)");
    }
}

// --- files -----------------------------------------------------------

std::vector<std::string> ReadLines(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw SourceError(path.string() + ": cannot be read");
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    if (!lines.empty() && lines[0].rfind("\xEF\xBB\xBF", 0) == 0) lines[0].erase(0, 3);
    return lines;
}

bool IsBlankOrComment(const std::string& line) {
    size_t first = line.find_first_not_of(" \t");
    return first == std::string::npos || line[first] == '#';
}

std::string TrimRight(std::string line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.pop_back();
    return line;
}

Legend ParseLegend(const std::vector<std::string>& lines, const std::string& file) {
    Legend legend;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (IsBlankOrComment(lines[i])) continue;
        const Place at{file, static_cast<int>(i + 1)};
        ParseLegendLine(SplitWords(lines[i], at), at, legend);
    }
    return legend;
}

// The lines of a text held in memory, as ReadLines gives a file's.
std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const size_t newline = text.find('\n');
        std::string line(text.substr(0, newline));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
    }
    return lines;
}

LevelSource ReadLevelFile(const fs::path& path, int32_t number) {
    LevelSource level;
    level.number = number;
    level.file = path.string();
    const std::vector<std::string> lines = ReadLines(path);
    std::string section;
    for (size_t i = 0; i < lines.size(); ++i) {
        const Place at{level.file, static_cast<int>(i + 1)};
        const std::string line = TrimRight(lines[i]);
        if (line == "[map]" || line == "[things]") {
            auto& rows = line == "[map]" ? level.map : level.things;
            auto& places = line == "[map]" ? level.mapPlaces : level.thingPlaces;
            if (!rows.empty()) Fail(at, line + " appears twice");
            for (int r = 0; r < game::kGridSize; ++r) {
                ++i;
                if (i >= lines.size()) Fail(at, line + " needs 25 rows below it");
                places.push_back({level.file, static_cast<int>(i + 1)});
                rows.push_back(TrimRight(lines[i]));
            }
            section.clear();
            continue;
        }
        if (line == "[legend]") {
            section = "legend";
            continue;
        }
        if (IsBlankOrComment(line)) continue;
        if (!line.empty() && line[0] == '[')
            Fail(at, "unknown section " + line + " ([map], [things] or [legend])");
        if (section != "legend") Fail(at, "this line belongs in a [legend] section");
        ParseLegendLine(SplitWords(line, at), at, level.legend);
    }
    if (level.map.empty()) throw SourceError(level.file + ": the level has no [map]");
    return level;
}

// The tile of a level that shows the marker character; it must be one.
int32_t FindMarker(const LevelSource& level, char marker, const Place& at) {
    if (level.fromMap) {
        auto it = level.fromMap->marks.find(marker);
        if (it == level.fromMap->marks.end())
            Fail(at, std::string("@") + marker + ": the Tiled map of level " +
                         std::to_string(level.number) + " has no object named \"" + marker +
                         "\" in its layer tiles");
        return it->second;
    }
    int32_t found = -1;
    for (int row = 0; row < game::kGridSize; ++row)
        for (int column = 0; column < game::kGridSize; ++column)
            if (level.map[row][column] == marker) {
                if (found >= 0)
                    Fail(at, std::string("@") + marker + " is ambiguous: level " +
                                 std::to_string(level.number) + " shows '" + marker +
                                 "' more than once");
                found = row * game::kGridSize + column;
            }
    if (found < 0)
        Fail(at, std::string("@") + marker + ": level " + std::to_string(level.number) +
                     " has no '" + marker + "' in its map");
    return found;
}

// A character of the level's own legend, else of the shared one.
template <typename Def>
const Def* FindThing(const std::map<char, Def>& local, const std::map<char, Def>& shared, char c) {
    if (auto it = local.find(c); it != local.end()) return &it->second;
    if (auto it = shared.find(c); it != shared.end()) return &it->second;
    return nullptr;
}

LevelRecord BuildLevel(const LevelSource& level, const Legend& shared,
                       const std::map<int32_t, LevelSource>& all, CampaignMarks* marksUsed,
                       std::map<int32_t, std::string>& english) {
    if (level.fromMap) {
        english = level.fromMap->english;
        return level.fromMap->level;
    }
    LevelRecord record;
    for (int row = 0; row < game::kGridSize; ++row) {
        const std::string& line = level.map[row];
        const Place& at = level.mapPlaces[row];
        if (line.size() != game::kGridSize)
            Fail(at,
                 "a map row must have 25 characters, this one has " + std::to_string(line.size()));
        for (int column = 0; column < game::kGridSize; ++column) {
            const char c = line[column];
            const TileDef* def = FindThing(level.legend.tiles, shared.tiles, c);
            if (!def)
                Fail(at, std::string("'") + c + "' (column " + std::to_string(column) +
                             ") is not in the legend");
            game::TileRecord& tile = record.tiles[row * game::kGridSize + column];
            tile = {def->picture, def->kind, def->revealed, def->param1, def->param2};
            if (!def->english.empty()) english[row * game::kGridSize + column] = def->english;
            if (!def->target) continue;
            int32_t target = 0;
            if (def->target->index) {
                target = *def->target->index;
            } else if (def->targetInOtherLevel) {
                const int32_t to = std::stoi(def->param1);
                auto it = all.find(to);
                if (it == all.end())
                    Fail(def->at,
                         "the exit leads to level " + def->param1 + ", which has no source");
                target = FindMarker(it->second, def->target->marker, def->at);
                if (marksUsed) (*marksUsed)[to][def->target->marker] = target;
            } else {
                target = FindMarker(level, def->target->marker, def->at);
                if (marksUsed) (*marksUsed)[level.number][def->target->marker] = target;
            }
            (def->targetInOtherLevel ? tile.Param2 : tile.Param1) = std::to_string(target);
        }
    }

    for (size_t row = 0; row < level.things.size(); ++row) {
        const std::string& line = level.things[row];
        const Place& at = level.thingPlaces[row];
        if (line.size() > game::kGridSize) Fail(at, "a [things] row has more than 25 characters");
        for (size_t column = 0; column < line.size(); ++column) {
            const char c = line[column];
            if (c == ' ' || c == '.') continue;
            const auto x = static_cast<int16_t>(column * 20), y = static_cast<int16_t>(row * 20);
            if (const MonsterDef* monster = FindThing(level.legend.monsters, shared.monsters, c)) {
                // A monster's 15 pixels stand in the middle of its tile.
                record.monsters.push_back({static_cast<float>(x + 2), static_cast<float>(y + 2),
                                           monster->picture, monster->kind, monster->damage,
                                           monster->hitPoints});
            } else if (const ItemDef* item = FindThing(level.legend.items, shared.items, c)) {
                record.items.push_back({static_cast<int16_t>(x + 1), static_cast<int16_t>(y + 1),
                                        item->picture, item->kind});
            } else {
                Fail(at, std::string("'") + c + "' (column " + std::to_string(column) +
                             ") is neither a monster nor an item of the legend");
            }
        }
    }
    return record;
}

}  // namespace

game::PackageRecord CompileCampaign(const fs::path& folder, const MapLoader& loadMap,
                                    CampaignMarks* marksUsed, EnglishTexts* english,
                                    std::string_view sharedLegend) {
    if (!fs::is_directory(folder)) throw SourceError(folder.string() + ": no such folder");
    const fs::path legendPath = folder / "legend.txt";
    Legend shared;
    if (fs::exists(legendPath))
        shared = ParseLegend(ReadLines(legendPath), legendPath.string());
    else if (!sharedLegend.empty())
        shared = ParseLegend(SplitLines(sharedLegend), "the built-in legend.txt");

    std::map<int32_t, LevelSource> levels;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& path : files) {
        const auto name = ReadLevelFileName(path.filename().string(), 6);
        if (!name ||
            (name->extension != "txt" && name->extension != "tmx" && name->extension != "sc"))
            continue;
        const int32_t number = name->number;
        if (levels.count(number))
            throw SourceError(path.string() + ": level " + std::to_string(number) +
                              " also comes from " + levels[number].file);
        if (name->extension != "txt") {
            if (!loadMap)
                throw SourceError(path.string() + ": Tiled maps and level files are not read here");
            LevelSource level;
            level.number = number;
            level.file = path.string();
            level.fromMap = loadMap(path, number);
            levels.emplace(number, std::move(level));
        } else {
            levels.emplace(number, ReadLevelFile(path, number));
        }
    }
    if (levels.empty())
        throw SourceError(folder.string() + ": no level<N>.txt, level<N>.tmx or level<N>.sc files");
    for (int32_t n = 0; n < static_cast<int32_t>(levels.size()); ++n)
        if (!levels.count(n))
            throw SourceError(folder.string() + ": level " + std::to_string(n) +
                              " is missing (levels are numbered from 0 without gaps)");

    game::PackageRecord package;
    EnglishTexts texts;
    for (const auto& [number, level] : levels)
        package.levels.push_back(BuildLevel(level, shared, levels, marksUsed, texts[number]));
    if (english) *english = std::move(texts);
    return package;
}

}  // namespace levels_tool
