#include "levels/fuzz_readers.h"

#include <charconv>
#include <cstring>

#include "game/levels/byte_stream.h"
#include "game/levels/keyed_string.h"
#include "game/levels/level_record.h"
#include "game/levels/package_record.h"
#include "game/levels/position_record.h"

namespace levels_fuzz {
namespace {

using namespace game;

// The number a level header names, so that the fuzzer gets past it.
int32_t NumberInHeader(const uint8_t* data, size_t size) {
    ByteReader in(data, size);
    std::string header;
    int32_t number = 0;
    if (ReadKeyedString(in, header) && header.rfind("level", 0) == 0)
        std::from_chars(header.data() + 5, header.data() + header.size(), number);
    return number;
}

bool SameFloat(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void CheckLevel(const LevelRecord& level, int32_t number, ReaderOutcome& outcome) {
    ByteWriter out;
    WriteLevelRecord(out, number, level);
    ByteReader in(out.Bytes());
    LevelRecord again;
    if (!ReadLevelRecord(in, number, again) || !SameLevel(level, again) || in.Remaining() != 0)
        outcome.inconsistency = "a level record did not read back as written";
}

void CheckPackage(const PackageRecord& package, bool withHeader, ReaderOutcome& outcome) {
    ByteWriter out;
    WritePackageRecord(out, package);
    ByteReader in(out.Bytes());
    PackageRecord again;
    bool same = ReadPackageRecord(in, withHeader, again) && again.header == package.header &&
                again.levels.size() == package.levels.size();
    for (size_t i = 0; same && i < package.levels.size(); ++i)
        same = SameLevel(package.levels[i], again.levels[i]);
    if (!same) outcome.inconsistency = "a package did not read back as written";
}

void CheckPosition(const std::string& header, const PositionRecord& p, ReaderOutcome& outcome) {
    ByteWriter out;
    WritePositionRecord(out, header, 7, p);
    ByteReader in(out.Bytes());
    std::string headerAgain;
    PositionRecord q;
    const bool same = ReadPositionRecord(in, headerAgain, q) && headerAgain == header &&
                      q.LevelNumber == p.LevelNumber && SameFloat(q.HeroX, p.HeroX) &&
                      SameFloat(q.HeroY, p.HeroY) && SameFloat(q.HeroStepX, p.HeroStepX) &&
                      SameFloat(q.HeroStepY, p.HeroStepY) && SameFloat(q.HeroSpeed, p.HeroSpeed) &&
                      q.HeroFacing == p.HeroFacing && q.Lives == p.Lives &&
                      q.MaxLives == p.MaxLives && q.Experience == p.Experience &&
                      q.Gold == p.Gold && q.HeroLevel == p.HeroLevel &&
                      q.MissileStrength == p.MissileStrength && q.MissileRange == p.MissileRange &&
                      q.BombStrength == p.BombStrength && q.BombRange == p.BombRange;
    if (!same) outcome.inconsistency = "a position file did not read back as written";
}

}  // namespace

void RunLevelReader(const uint8_t* data, size_t size, ReaderOutcome& outcome) {
    const int32_t number = NumberInHeader(data, size);
    ByteReader in(data, size);
    LevelRecord level;
    outcome.levelRead = ReadLevelRecord(in, number, level);
    if (outcome.levelRead) CheckLevel(level, number, outcome);
}

void RunPackageReader(const uint8_t* data, size_t size, ReaderOutcome& outcome) {
    for (bool withHeader : {false, true}) {
        ByteReader in(data, size);
        PackageRecord package;
        if (ReadPackageRecord(in, withHeader, package)) {
            outcome.packageRead = true;
            CheckPackage(package, withHeader, outcome);
        }
    }
}

void RunPositionReader(const uint8_t* data, size_t size, ReaderOutcome& outcome) {
    ByteReader in(data, size);
    std::string header;
    PositionRecord position;
    outcome.positionRead = ReadPositionRecord(in, header, position);
    if (outcome.positionRead) CheckPosition(header, position, outcome);
}

ReaderOutcome RunReaders(const uint8_t* data, size_t size) {
    ReaderOutcome outcome;
    RunLevelReader(data, size, outcome);
    RunPackageReader(data, size, outcome);
    RunPositionReader(data, size, outcome);
    return outcome;
}

bool SameLevel(const game::LevelRecord& a, const game::LevelRecord& b) {
    using namespace game;
    for (size_t t = 0; t < a.tiles.size(); ++t) {
        const TileRecord &x = a.tiles[t], &y = b.tiles[t];
        if (x.Picture != y.Picture || x.Kind != y.Kind || x.Revealed != y.Revealed ||
            x.Param1 != y.Param1 || x.Param2 != y.Param2)
            return false;
    }
    if (a.monsters.size() != b.monsters.size() || a.items.size() != b.items.size()) return false;
    for (size_t i = 0; i < a.monsters.size(); ++i) {
        const MonsterRecord &x = a.monsters[i], &y = b.monsters[i];
        if (!SameFloat(x.X, y.X) || !SameFloat(x.Y, y.Y) || x.Picture != y.Picture ||
            x.Kind != y.Kind || x.Damage != y.Damage || x.HitPoints != y.HitPoints)
            return false;
    }
    for (size_t i = 0; i < a.items.size(); ++i) {
        const ItemRecord &x = a.items[i], &y = b.items[i];
        if (x.X != y.X || x.Y != y.Y || x.Picture != y.Picture || x.Kind != y.Kind) return false;
    }
    return true;
}

}  // namespace levels_fuzz
