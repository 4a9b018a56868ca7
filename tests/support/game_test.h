// A fixture for rule tests: a fresh game state, the recording windows, a
// temporary program folder, a seeded random sequence and a clock the test
// sets by hand.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/fake_windows.h"

namespace testing_support {

class GameTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The clock's reading for the rules (seconds since midnight).
    void SetClock(float seconds) { clock_ = seconds; }
    float Clock() const { return clock_; }

    // The level an open floor (picture 1) ringed by solid wall (picture 11),
    // as every level's border is; every tile revealed or none.
    static void OpenFieldInItsWalls(bool revealed = false);
    // Solid wall across the whole field along row `line` (or, with
    // acrossColumns false, down column `line`), open only at its tile `gap`.
    static void WallWithOneGap(bool acrossColumns, int line, int gap);

    RecordingWindows windows;
    std::filesystem::path appFolder;

  private:
    float clock_ = 1000.0f;
};

}  // namespace testing_support
