// The position file <name>.pos: its own name as a header, then the hero's
// sixteen values in a fixed order.  Pure format, shared by the game and the
// level tool.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "game/levels/byte_stream.h"

namespace game {

// Experience comes before Gold in the file.
struct PositionRecord {
    int32_t LevelNumber = 0;
    float HeroX = 0, HeroY = 0;
    float HeroStepX = 0, HeroStepY = 0;
    float HeroSpeed = 0;
    int16_t HeroFacing = 0;
    int16_t Lives = 0, MaxLives = 0;
    int32_t Experience = 0;
    int32_t Gold = 0;
    int16_t HeroLevel = 0;
    int16_t MissileStrength = 0, MissileRange = 0;
    int16_t BombStrength = 0, BombRange = 0;
};

inline constexpr size_t kPositionFieldBytes = 4 + 5 * 4 + 3 * 2 + 2 * 4 + 5 * 2;

void WritePositionRecord(ByteWriter& out, const std::string& header, int16_t headerKey,
                         const PositionRecord& position);

// Reads the header and the sixteen fields.  The caller compares the header
// with the name it expects.  Refuses, with the reason in *why, a damaged
// header, data that ends early and a float that is not a number.
bool ReadPositionRecord(ByteReader& in, std::string& header, PositionRecord& position,
                        std::string* why = nullptr);

}  // namespace game
