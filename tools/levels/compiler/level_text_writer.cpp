#include "tools/levels/compiler/level_text_writer.h"

#include <map>
#include <set>
#include <sstream>
#include <tuple>
#include <vector>

#include "game/core/game_state.h"
#include "tools/levels/compiler/campaign_source.h"
#include "tools/levels/tiled/tile_parameters.h"

namespace levels_tool {

namespace {

// Characters a map may show, the commonest looks first.  A quotation mark
// would open a text in the legend.
const std::string kTileCharacters =
    ",;:=%&^!*+-~_|<>?@$()[]{}/\\'`0123456789"
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz.#";
// In [things] a dot or a blank is nothing.
const std::string kThingCharacters =
    "rvasnGSzohTwFQDXebmfkMRYCKBpqtuxyc$+0123456789"
    "ADEHIJLNOPUVWZdgijl#%&*-:;=^!~_|<>?@()[]{}/\\',`";

std::string Quoted(const std::string& text) {
    if (text.find_first_of("\r\n") != std::string::npos)
        throw SourceError("a text of several lines cannot stand in a level source: \"" +
                          text.substr(0, 40) + "\"");
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

// The legend line's words after "tile <c> <picture>".
std::string TileWords(const game::TileRecord& tile, const std::string* english) {
    using tiled_map::CanonicalNumber;
    using tiled_map::kHighestLevelNumber;
    using tiled_map::kLastTile;
    const std::string& p1 = tile.Param1;
    const std::string& p2 = tile.Param2;
    const bool once = p2 == "ONCE";
    const std::string onceWord = once ? " once" : "";
    std::string words;
    switch (tile.Kind) {
        case game::kFloor:
        case game::kSolidWall:
        case game::kTrapFloor:
            if (p1.empty() && p2.empty()) words = std::string(tiled_map::KindName(tile.Kind));
            break;
        case game::kDestructibleWall:
            if (CanonicalNumber(p1, 1, 32767) && CanonicalNumber(p2, 0, 32767))
                words = "breakable " + p1 + " " + p2;
            break;
        case game::kSign:
            if (once || p2.empty()) words = "sign " + Quoted(p1) + onceWord;
            break;
        case game::kTeleport:
            if (CanonicalNumber(p1, 0, kLastTile) && (once || p2.empty()))
                words = "teleport " + p1 + onceWord;
            break;
        case game::kLevelExit:
            if (CanonicalNumber(p1, 0, kHighestLevelNumber) && CanonicalNumber(p2, 0, kLastTile))
                words = "exit " + p1 + " " + p2;
            break;
        case game::kMechanism: {
            const size_t blank = p2.find(' ');
            if (CanonicalNumber(p1, 0, kLastTile) && blank != std::string::npos &&
                CanonicalNumber(p2.substr(0, blank), 0, 32767) &&
                CanonicalNumber(p2.substr(blank + 1), 0, 8))
                words = "mechanism " + p1 + " " + p2;
            break;
        }
        case game::kMessageScreen:
            if (p2.empty()) words = "message " + Quoted(p1);
            break;
        default:
            break;
    }
    if (words.empty())
        words = "raw " + std::to_string(tile.Kind) + " " + Quoted(p1) + " " + Quoted(p2);
    if (english && !english->empty()) words += " en " + Quoted(*english);
    if (tile.Revealed == game::kTrue) {
        words += " revealed";
    } else if (tile.Revealed != game::kFalse) {
        throw SourceError("a tile's revealed flag is " + std::to_string(tile.Revealed) +
                          ", which a level source cannot hold");
    }
    return std::to_string(tile.Picture) + " " + words;
}

// Hands out characters in order, one per distinct definition.
template <typename Key>
class CharacterTable {
  public:
    CharacterTable(const std::string& pool, const char* what) : pool_(pool), what_(what) {}
    // The preferred character when it is still free, else the next of the
    // pool.
    char For(const Key& key, bool& fresh, char preferred = 0) {
        auto it = chars_.find(key);
        fresh = it == chars_.end();
        if (!fresh) return it->second;
        if (preferred && !used_.count(preferred)) return Take(key, preferred);
        for (char c : pool_)
            if (!used_.count(c)) return Take(key, c);
        throw SourceError(std::string("the level has more different ") + what_ +
                          " than a level source has characters for");
    }

  private:
    char Take(const Key& key, char c) {
        used_.insert(c);
        return chars_[key] = c;
    }

    const std::string& pool_;
    const char* what_;
    std::set<char> used_;
    std::map<Key, char> chars_;
};

}  // namespace

std::string WriteLevelSource(const game::LevelRecord& level, int32_t number,
                             const std::map<int32_t, std::string>& english) {
    std::ostringstream legend;
    std::vector<std::string> map(game::kGridSize, std::string(game::kGridSize, ' '));
    CharacterTable<std::string> tiles(kTileCharacters, "tiles");
    for (int cell = 0; cell < game::kGridSize * game::kGridSize; ++cell) {
        auto text = english.find(cell);
        const std::string words =
            TileWords(level.tiles[cell], text == english.end() ? nullptr : &text->second);
        bool fresh = false;
        const int16_t kind = level.tiles[cell].Kind;
        const char c = tiles.For(words, fresh,
                                 kind == game::kSolidWall ? '#'
                                 : kind == game::kFloor   ? '.'
                                                          : 0);
        if (fresh) legend << "tile  " << c << "  " << words << "\n";
        map[cell / game::kGridSize][cell % game::kGridSize] = c;
    }

    std::vector<std::string> things(game::kGridSize, std::string(game::kGridSize, '.'));
    CharacterTable<std::tuple<int, int, int, int, int>> thingChars(kThingCharacters, "things");
    auto place = [&](float x, float y, int offset, const std::string& what) -> char& {
        const int column = static_cast<int>(x) / 20, row = static_cast<int>(y) / 20;
        if (x != static_cast<float>(column * 20 + offset) ||
            y != static_cast<float>(row * 20 + offset) || column < 0 || row < 0 ||
            column >= game::kGridSize || row >= game::kGridSize)
            throw SourceError(what + " at " + std::to_string(x) + "," + std::to_string(y) +
                              " is not where a level source puts it (tile corner + " +
                              std::to_string(offset) + ")");
        char& slot = things[row][column];
        if (slot != '.')
            throw SourceError("two monsters or items on column " + std::to_string(column) +
                              ", row " + std::to_string(row) + " cannot stand in a level source");
        return slot;
    };
    for (const game::MonsterRecord& m : level.monsters) {
        bool fresh = false;
        const char c = thingChars.For({0, m.Picture, m.Kind, m.Damage, m.HitPoints}, fresh);
        if (fresh)
            legend << "monster  " << c << "  " << m.Picture << " " << m.Kind << " " << m.Damage
                   << " " << m.HitPoints << "\n";
        place(m.X, m.Y, 2, "a monster") = c;
    }
    for (const game::ItemRecord& item : level.items) {
        bool fresh = false;
        const char c = thingChars.For({1, item.Picture, item.Kind, 0, 0}, fresh);
        if (fresh) legend << "item  " << c << "  " << item.Picture << " " << item.Kind << "\n";
        place(item.X, item.Y, 1, "an item") = c;
    }

    std::ostringstream out;
    out << "# Úroveň " << number << "\n\n[map]\n";
    for (const std::string& row : map)
        out << row << "\n";
    out << "\n[things]\n";
    for (const std::string& row : things)
        out << row << "\n";
    out << "\n[legend]\n" << legend.str();
    return out.str();
}

}  // namespace levels_tool
