#include "tools/levels/compiler/campaign_check.h"

#include <charconv>
#include <optional>

#include "game/core/game_state.h"
#include "game/settings/key_names.h"
#include "tools/levels/bots/campaign_routes.h"
#include "tools/levels/bots/hero_search.h"
#include "tools/levels/compiler/greeting_check.h"
#include "tools/levels/compiler/reach_check.h"

namespace levels_tool {
namespace {

using game::LevelRecord;
using game::TileRecord;

// The whole text as a whole number, nothing else.
std::optional<int32_t> WholeNumber(const std::string& text) {
    int32_t value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    auto [end, error] = std::from_chars(first, last, value);
    if (text.empty() || error != std::errc() || end != last) return std::nullopt;
    return value;
}

bool IsTile(std::optional<int32_t> t) {
    return t && *t >= 0 && *t < game::kTileCount;
}

bool IsWall(const TileRecord& tile) {
    return tile.Kind == game::kSolidWall || tile.Kind == game::kDestructibleWall;
}

class Checker {
  public:
    Checker(const game::PackageRecord& package, const CheckOptions& options)
        : package_(package), options_(options) {}

    std::vector<std::string> Run() {
        for (size_t n = 0; n < package_.levels.size(); ++n)
            CheckLevel(static_cast<int32_t>(n), package_.levels[n]);
        if (package_.levels.empty()) {
            problems_.push_back("the campaign has no levels");
        } else if (IsWall(package_.levels[0].tiles[game::kNewGameTile])) {
            problems_.push_back(TilePlace(0, game::kNewGameTile) +
                                ": the hero starts here, but it is a wall");
        }
        // Walking the levels makes sense only once they are sound.
        if (problems_.empty())
            problems_ = CheckReachability(
                package_, {.endLevel = options_.endLevel, .endTile = options_.endTile});
        if (problems_.empty() && options_.greetings) problems_ = CheckGreetings(package_);
        return problems_;
    }

  private:
    void Report(int32_t level, int32_t t, const std::string& what) {
        problems_.push_back("level " + std::to_string(level) + ", tile " + std::to_string(t) +
                            " (column " + std::to_string(t % 25) + ", row " +
                            std::to_string(t / 25) + "): " + what);
    }
    void Report(int32_t level, const std::string& what) {
        problems_.push_back("level " + std::to_string(level) + ": " + what);
    }

    void CheckLevel(int32_t n, const LevelRecord& level) {
        for (int32_t t = 0; t < game::kTileCount; ++t) {
            const TileRecord& tile = level.tiles[t];
            const int row = t / 25, column = t % 25;
            const bool border = row == 0 || row == 24 || column == 0 || column == 24;
            // The way out of the cave ends the game on its tile.
            const bool wayOut = n == options_.endLevel && t == options_.endTile;
            if (border && !wayOut && tile.Kind != game::kSolidWall)
                Report(n, t,
                       "the border must be solid wall (kind 1), this tile is kind " +
                           std::to_string(tile.Kind));
            CheckTile(n, t, tile);
        }
        for (size_t i = 0; i < level.monsters.size(); ++i) {
            const game::MonsterRecord& m = level.monsters[i];
            const std::string which = "monster " + std::to_string(i) + " at (" +
                                      std::to_string(m.X) + ", " + std::to_string(m.Y) + ")";
            if (m.Kind < 0 || m.Kind > 3)
                Report(n, which + ": kind " + std::to_string(m.Kind) + " is not 0 to 3");
            if (!(m.X >= 0 && m.X <= 485 && m.Y >= 0 && m.Y <= 485))
                Report(n, which + ": outside the field");
            if (m.HitPoints <= 0) Report(n, which + ": no hit points");
        }
        for (size_t i = 0; i < level.items.size(); ++i) {
            const game::ItemRecord& item = level.items[i];
            if (item.X < 0 || item.X > 482 || item.Y < 0 || item.Y > 482)
                Report(n, "item " + std::to_string(i) + " at (" + std::to_string(item.X) + ", " +
                              std::to_string(item.Y) + "): outside the field");
        }
    }

    void CheckTile(int32_t n, int32_t t, const TileRecord& tile) {
        switch (tile.Kind) {
            case game::kFloor:
            case game::kSolidWall:
            case game::kTrapFloor:
                break;
            case game::kSign:
            case game::kMessageScreen:
                // Braces name keys, and nothing else.
                for (const std::string& unknown : settings::UnknownPlaceholders(tile.Param1))
                    Report(n, t,
                           "the text's \"" + unknown +
                               "\" is no key's name: {Nahoru}, {Dolu}, {Vlevo}, {Vpravo}, "
                               "{Strelba}, {Bomba}, {Pauza}, {Menu}, {Ulozit}, {Nahrat}, {Pohyb}, "
                               "{Potvrdit}");
                break;
            case game::kDestructibleWall: {
                auto strength = WholeNumber(tile.Param1);
                if (!strength || *strength <= 0)
                    Report(n, t,
                           "a destructible wall needs a positive strength, not \"" + tile.Param1 +
                               "\"");
                if (!WholeNumber(tile.Param2))
                    Report(n, t,
                           "a destructible wall needs the picture it leaves, not \"" + tile.Param2 +
                               "\"");
                break;
            }
            case game::kTeleport:
                if (!IsTile(WholeNumber(tile.Param1)))
                    Report(n, t,
                           "the teleport's target \"" + tile.Param1 + "\" is not a tile 0-624");
                break;
            case game::kLevelExit:
                CheckExit(n, t, tile);
                break;
            case game::kMechanism: {
                if (!IsTile(WholeNumber(tile.Param1)))
                    Report(n, t,
                           "the mechanism's target \"" + tile.Param1 + "\" is not a tile 0-624");
                const size_t blank = tile.Param2.find(' ');
                if (blank == std::string::npos || !WholeNumber(tile.Param2.substr(0, blank)) ||
                    !WholeNumber(tile.Param2.substr(blank + 1)))
                    Report(
                        n, t,
                        "the mechanism's change \"" + tile.Param2 + "\" is not \"picture kind\"");
                break;
            }
            default:
                Report(n, t, "unknown tile kind " + std::to_string(tile.Kind));
        }
    }

    void CheckExit(int32_t n, int32_t t, const TileRecord& tile) {
        const auto level = WholeNumber(tile.Param1);
        const auto target = WholeNumber(tile.Param2);
        const auto count = static_cast<int32_t>(package_.levels.size());
        if (!level || *level < 0 || *level >= count) {
            Report(n, t, "the exit leads to level \"" + tile.Param1 + "\", which does not exist");
            return;
        }
        if (!IsTile(target)) {
            Report(n, t, "the exit's target \"" + tile.Param2 + "\" is not a tile 0-624");
            return;
        }
        if (IsWall(package_.levels[*level].tiles[*target]))
            Report(n, t,
                   "the exit leads onto a wall: level " + tile.Param1 + ", tile " + tile.Param2);
    }

    const game::PackageRecord& package_;
    CheckOptions options_;
    std::vector<std::string> problems_;
};

}  // namespace

std::vector<std::string> CheckCampaign(const game::PackageRecord& package,
                                       const CheckOptions& options) {
    return Checker(package, options).Run();
}

}  // namespace levels_tool
