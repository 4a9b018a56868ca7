// Writes a campaign of one level for the end-to-end checks: an open hall of
// floor (picture 1), every tile already seen, no items, so that the hero can
// walk in any direction from where a new game puts him.  With "penned", the
// hall's upper part holds a pen of brick wall with fast monsters wandering
// inside it: always something moving in view, never anything that reaches
// the hero.  With "two-levels", both halls are walled round and the tile
// right of where a new game puts the hero is an exit to the second hall,
// arriving on tile 312 in its middle.  With "round-trip", the tile right of
// that is an exit back to the first hall, two tiles left of the start: a
// hero walking right goes from hall to hall for as long as he walks.  With
// "biter", a monster of blow 1 that never moves stands in contact with the
// hero where a new game puts him.  With "deadly", the second hall of
// "two-levels" has monsters round that tile that chase the hero and take
// all his lives with one blow, a few seconds after his arrival.
//
//   open_campaign <path of levels.all> [penned | two-levels | round-trip | biter | deadly]
#include <cstdio>
#include <cstring>
#include <string>

#include "game/levels/byte_stream.h"
#include "game/levels/level_record.h"
#include "game/platform/file_io.h"

namespace {

constexpr int kColumns = 25;
constexpr int kHeroStartTile = 591;  // where a new game puts the hero
constexpr int16_t kBrickWall = 11;   // its picture; kind 1 is solid wall

// The pen: its wall ring from column 2 to 22 and from row 2 to 9.
constexpr int kPenLeft = 2, kPenRight = 22, kPenTop = 2, kPenBottom = 9;

void AddPen(game::LevelRecord& hall) {
    for (int row = kPenTop; row <= kPenBottom; ++row) {
        for (int column = kPenLeft; column <= kPenRight; ++column) {
            const bool ring =
                row == kPenTop || row == kPenBottom || column == kPenLeft || column == kPenRight;
            if (!ring) continue;
            game::TileRecord& tile = hall.tiles[row * kColumns + column];
            tile.Picture = kBrickWall;
            tile.Kind = 1;
        }
    }
    // Fast monsters (kind 3) in the middle of tiles inside the ring, with
    // more hit points than anything could take from them here.
    for (int i = 0; i < 6; ++i) {
        game::MonsterRecord monster;
        monster.X = static_cast<float>((4 + 3 * i) * 20 + 2);
        monster.Y = static_cast<float>((4 + i % 3) * 20 + 2);
        monster.Picture = static_cast<int16_t>(i % 4);
        monster.Kind = 3;
        monster.Damage = 1;
        monster.HitPoints = 1000;
        hall.monsters.push_back(monster);
    }
}

// Half a tile above the hero's start (tile corner + 2): the two overlap.
void AddBiter(game::LevelRecord& hall) {
    game::MonsterRecord monster;
    monster.X = static_cast<float>(kHeroStartTile % kColumns * 20 + 2);
    monster.Y = static_cast<float>(kHeroStartTile / kColumns * 20 + 2 - 10);
    monster.Kind = 4;  // no kind of walker: it stands where it is
    monster.Damage = 1;
    monster.HitPoints = 1000;
    hall.monsters.push_back(monster);
}

// Eight monsters three tiles round the arrival's tile 312 (row 12, column
// 12), each stronger than anything the hero could do.
void AddKillers(game::LevelRecord& hall) {
    const int offsets[8][2] = {{-3, -3}, {0, -3}, {3, -3}, {-3, 0},
                               {3, 0},   {-3, 3}, {0, 3},  {3, 3}};
    for (const auto& offset : offsets) {
        game::MonsterRecord monster;
        monster.X = static_cast<float>((12 + offset[0]) * 20 + 2);
        monster.Y = static_cast<float>((12 + offset[1]) * 20 + 2);
        monster.Picture = 0;
        monster.Kind = 1;
        monster.Damage = 30000;
        monster.HitPoints = 30000;
        hall.monsters.push_back(monster);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const char* mode = argc == 3 ? argv[2] : "";
    const bool penned = std::strcmp(mode, "penned") == 0;
    const bool roundTrip = std::strcmp(mode, "round-trip") == 0;
    const bool deadly = std::strcmp(mode, "deadly") == 0;
    const bool twoLevels = roundTrip || deadly || std::strcmp(mode, "two-levels") == 0;
    const bool biter = std::strcmp(mode, "biter") == 0;
    if (argc != 2 && !penned && !twoLevels && !biter) {
        std::fprintf(stderr,
                     "usage: open_campaign <path of levels.all> [penned | two-levels | "
                     "round-trip | biter | deadly]\n");
        return 2;
    }
    game::LevelRecord hall;
    for (game::TileRecord& tile : hall.tiles) {
        tile.Picture = 1;
        tile.Revealed = -1;
    }
    if (penned) AddPen(hall);
    if (biter) AddBiter(hall);
    game::ByteWriter package;
    package.Int32(twoLevels ? 2 : 1);
    if (twoLevels) {
        // Walled round, as the level tool wants a campaign's levels.
        for (int t = 0; t < kColumns * kColumns; ++t) {
            const int row = t / kColumns, column = t % kColumns;
            if (row != 0 && row != kColumns - 1 && column != 0 && column != kColumns - 1) continue;
            hall.tiles[t].Picture = kBrickWall;
            hall.tiles[t].Kind = 1;
        }
        game::LevelRecord first = hall;
        game::TileRecord& exit = first.tiles[kHeroStartTile + 1];
        exit.Kind = 5;  // a level exit: to level Param1, onto tile Param2
        exit.Param1 = "1";
        exit.Param2 = "312";
        game::WriteLevelRecord(package, 0, first);
        if (roundTrip) {
            game::TileRecord& back = hall.tiles[313];
            back.Kind = 5;
            back.Param1 = "0";
            back.Param2 = std::to_string(kHeroStartTile - 2);
        }
        if (deadly) AddKillers(hall);
        game::WriteLevelRecord(package, 1, hall);
    } else {
        game::WriteLevelRecord(package, 0, hall);
    }
    if (!game::WriteWholeFile(argv[1], package.Bytes(), false)) {
        std::fprintf(stderr, "open_campaign: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
