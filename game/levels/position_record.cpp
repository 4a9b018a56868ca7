#include "game/levels/position_record.h"

#include <cmath>

#include "game/levels/keyed_string.h"

namespace game {

void WritePositionRecord(ByteWriter& out, const std::string& header, int16_t headerKey,
                         const PositionRecord& p) {
    WriteKeyedString(out, header, headerKey);
    out.Int32(p.LevelNumber);
    out.Float32(p.HeroX);
    out.Float32(p.HeroY);
    out.Float32(p.HeroStepX);
    out.Float32(p.HeroStepY);
    out.Float32(p.HeroSpeed);
    out.Int16(p.HeroFacing);
    out.Int16(p.Lives);
    out.Int16(p.MaxLives);
    out.Int32(p.Experience);
    out.Int32(p.Gold);
    out.Int16(p.HeroLevel);
    out.Int16(p.MissileStrength);
    out.Int16(p.MissileRange);
    out.Int16(p.BombStrength);
    out.Int16(p.BombRange);
}

bool ReadPositionRecord(ByteReader& in, std::string& header, PositionRecord& position,
                        std::string* why) {
    if (!ReadKeyedString(in, header)) {
        if (why) *why = "the header is damaged";
        return false;
    }
    if (in.Remaining() < kPositionFieldBytes) {
        if (why) *why = "the file ends before the hero's values";
        return false;
    }
    PositionRecord p;
    in.Int32(p.LevelNumber);
    in.Float32(p.HeroX);
    in.Float32(p.HeroY);
    in.Float32(p.HeroStepX);
    in.Float32(p.HeroStepY);
    in.Float32(p.HeroSpeed);
    in.Int16(p.HeroFacing);
    in.Int16(p.Lives);
    in.Int16(p.MaxLives);
    in.Int32(p.Experience);
    in.Int32(p.Gold);
    in.Int16(p.HeroLevel);
    in.Int16(p.MissileStrength);
    in.Int16(p.MissileRange);
    in.Int16(p.BombStrength);
    in.Int16(p.BombRange);
    for (float value : {p.HeroX, p.HeroY, p.HeroStepX, p.HeroStepY, p.HeroSpeed}) {
        if (!std::isfinite(value)) {
            if (why) *why = "a position or speed of the hero is not a number";
            return false;
        }
    }
    position = p;
    return true;
}

}  // namespace game
