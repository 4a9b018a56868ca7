// Shared pieces of the level and save tests: a fixture with the working
// folder, a level with something of every kind, and raw file helpers.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "game/levels/level_record.h"
#include "support/game_test.h"

namespace levels_test {

class LevelsTest : public testing_support::GameTest {
  protected:
    void SetUp() override;

    std::filesystem::path LevelPath(int32_t number) const;
    std::filesystem::path SavePath(const std::string& name) const;

    // The hero is on level `current`; the working folder holds the game of
    // `count` levels, level i with tile 0's Param1 "úroveň i".
    void MakeWorkingLevels(int32_t count, int32_t current = 0);

    // The message box and closing of a refused file, with its title.
    void ExpectRefused(const std::string& title) const;
    void ExpectNotRefused() const;
};

// A level with walls, every tile kind, Czech texts, revealed tiles, three
// monsters at fractional positions and two items.
game::LevelRecord SampleLevel();
// The level in memory becomes the sample level.
void UseSampleLevel();

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

// Little-endian helpers for hand-made files.
void PutInt16(std::vector<uint8_t>& out, int16_t value);
void PutInt32(std::vector<uint8_t>& out, int32_t value);
// A keyed string of plain ASCII with the given key.
void PutKeyed(std::vector<uint8_t>& out, const std::string& ascii, int16_t key);

bool SameLevel(const game::LevelRecord& a, const game::LevelRecord& b);

}  // namespace levels_test
