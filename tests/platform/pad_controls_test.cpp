// The game pad's controls and keys without a pad: the stick's dead zone and
// eight ways, the D-pad and the stick together, the trigger, the two
// layouts, keys held by two controls, and the repeats of held keys.
#include <gtest/gtest.h>

#include <cmath>

#include "game/platform/keys.h"
#include "game/platform/pad_controls.h"
#include "game/platform/pad_keys.h"

namespace {

using namespace platform;
using Change = PadControlChange;
using Key = PadKeyEvent;

PadReading Stick(double x, double y) {
    PadReading reading;
    reading.stickX = static_cast<int>(std::lround(x * 32767));
    reading.stickY = static_cast<int>(std::lround(y * 32767));
    return reading;
}

PadReading StickAt(double degrees, double distance) {
    const double radians = degrees * M_PI / 180.0;
    // Up is a negative y on the pad.
    return Stick(distance * std::cos(radians), -distance * std::sin(radians));
}

TEST(PadControlsTest, TheStickPointsOnlyOutsideItsDeadZoneAndHoldsALittleLonger) {
    PadControls controls;
    EXPECT_TRUE(controls.Follow(Stick(0.3, 0)).empty());
    EXPECT_TRUE(controls.Follow(Stick(-0.2, 0.2)).empty());  // 0.28 from the centre
    EXPECT_EQ(controls.Follow(Stick(0.4, 0)), (std::vector<Change>{{PadControl::Right, true}}));
    // Coming back towards the centre: still right at 0.3, let go at 0.2.
    EXPECT_TRUE(controls.Follow(Stick(0.3, 0)).empty());
    EXPECT_EQ(controls.Follow(Stick(0.2, 0)), (std::vector<Change>{{PadControl::Right, false}}));
    EXPECT_FALSE(controls.InUse(Stick(0.3, 0)));
    EXPECT_TRUE(controls.InUse(Stick(0.3, 0.3)));

    // A dead zone of the player's own: hold at it, let go ten points lower,
    // but never nearer the centre than half the zone.
    const struct {
        int zone;
        double letGo;
    } zones[] = {{5, 0.025}, {16, 0.08}, {20, 0.10}, {35, 0.25}, {60, 0.50}};
    for (const auto& z : zones) {
        SCOPED_TRACE(z.zone);
        PadControls chosen;
        chosen.SetDeadZone(z.zone);
        const double at = z.zone / 100.0;
        EXPECT_TRUE(chosen.Follow(Stick(0, at - 0.005)).empty());
        EXPECT_FALSE(chosen.InUse(Stick(0, at - 0.005)));
        EXPECT_TRUE(chosen.InUse(Stick(0, at + 0.005)));
        EXPECT_EQ(chosen.Follow(Stick(0, at + 0.005)),
                  (std::vector<Change>{{PadControl::Down, true}}));
        EXPECT_TRUE(chosen.Follow(Stick(0, z.letGo + 0.005)).empty());
        EXPECT_EQ(chosen.Follow(Stick(0, z.letGo - 0.005)),
                  (std::vector<Change>{{PadControl::Down, false}}));
    }
}

TEST(PadControlsTest, TheStickPointsInEightWaysASlantHoldingTwoDirections) {
    struct Way {
        double degrees;
        bool up, down, left, right;
    } ways[] = {{0, false, false, false, true},  {20, false, false, false, true},
                {45, true, false, false, true},  {70, true, false, false, false},
                {135, true, false, true, false}, {180, false, false, true, false},
                {225, false, true, true, false}, {270, false, true, false, false},
                {315, false, true, false, true}, {-25, false, false, false, true}};
    for (const Way& way : ways) {
        SCOPED_TRACE(way.degrees);
        PadControls controls;
        controls.Follow(StickAt(way.degrees, 1.0));
        EXPECT_EQ(controls.Held(PadControl::Up), way.up);
        EXPECT_EQ(controls.Held(PadControl::Down), way.down);
        EXPECT_EQ(controls.Held(PadControl::Left), way.left);
        EXPECT_EQ(controls.Held(PadControl::Right), way.right);
    }
    // Near the border between right and up-right it does not flicker: once
    // a slant, it stays one a little past the border.
    PadControls controls;
    controls.Follow(StickAt(45, 1.0));
    controls.Follow(StickAt(20, 1.0));
    EXPECT_TRUE(controls.Held(PadControl::Up));
    controls.Follow(StickAt(10, 1.0));
    EXPECT_FALSE(controls.Held(PadControl::Up));
    controls.Follow(StickAt(22, 1.0));
    EXPECT_FALSE(controls.Held(PadControl::Up));
}

TEST(PadControlsTest, TheDpadAndTheStickHoldADirectionTogether) {
    PadControls controls;
    PadReading reading = Stick(1.0, 0);
    EXPECT_EQ(controls.Follow(reading), (std::vector<Change>{{PadControl::Right, true}}));
    reading.dpadRight = true;
    EXPECT_TRUE(controls.Follow(reading).empty());
    reading.stickX = 0;
    EXPECT_TRUE(controls.Follow(reading).empty());
    reading.dpadRight = false;
    EXPECT_EQ(controls.Follow(reading), (std::vector<Change>{{PadControl::Right, false}}));
}

TEST(PadControlsTest, ASwungStickLetsGoBeforeItTakesHold) {
    PadControls controls;
    controls.Follow(Stick(-1.0, 0));
    EXPECT_EQ(controls.Follow(Stick(1.0, 0)),
              (std::vector<Change>{{PadControl::Left, false}, {PadControl::Right, true}}));
}

TEST(PadControlsTest, TheTriggerFiresPastHalfWayAndButtonsFollowTheirState) {
    PadControls controls;
    PadReading reading;
    reading.rightTrigger = 12000;
    EXPECT_TRUE(controls.Follow(reading).empty());
    reading.rightTrigger = 20000;
    reading.a = reading.leftShoulder = true;
    EXPECT_EQ(controls.Follow(reading), (std::vector<Change>{{PadControl::A, true},
                                                             {PadControl::LeftShoulder, true},
                                                             {PadControl::RightTrigger, true}}));
    reading.rightTrigger = 14000;  // eased off a little: still held
    EXPECT_TRUE(controls.Follow(reading).empty());
    reading.dpadUp = true;
    reading.stickY = -32768;  // up by the stick too
    EXPECT_EQ(controls.Follow(reading), (std::vector<Change>{{PadControl::Up, true}}));

    EXPECT_EQ(controls.ReleaseAll(), (std::vector<Change>{{PadControl::Up, false},
                                                          {PadControl::A, false},
                                                          {PadControl::LeftShoulder, false},
                                                          {PadControl::RightTrigger, false}}));
    EXPECT_TRUE(controls.ReleaseAll().empty());
    // After letting go of everything the same reading presses again, but
    // the eased trigger must first be pulled past half way.
    EXPECT_EQ(controls.Follow(reading), (std::vector<Change>{{PadControl::Up, true},
                                                             {PadControl::A, true},
                                                             {PadControl::LeftShoulder, true}}));
}

TEST(PadKeysTest, TheLayoutsGiveTheDefaultKeys) {
    struct Row {
        PadControl control;
        int16_t play, navigation;
    } rows[] = {
        {PadControl::Up, vk::Up, vk::Up},         {PadControl::Down, vk::Down, vk::Down},
        {PadControl::Left, vk::Left, vk::Left},   {PadControl::Right, vk::Right, vk::Right},
        {PadControl::A, vk::Control, vk::Return}, {PadControl::RightTrigger, vk::Control, 0},
        {PadControl::B, vk::Space, vk::Escape},   {PadControl::X, vk::Space, vk::Apps},
        {PadControl::Y, vk::F1, vk::F1},          {PadControl::Start, vk::Pause, 0},
        {PadControl::Back, vk::Escape, 0},        {PadControl::LeftShoulder, vk::F5, 0},
        {PadControl::RightShoulder, vk::F7, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.control));
        EXPECT_EQ(PadKeyOf(row.control, PadLayout::Play), row.play);
        EXPECT_EQ(PadKeyOf(row.control, PadLayout::Navigation), row.navigation);
    }
}

TEST(PadKeysTest, TwoControlsOnOneKeyHoldItTogether) {
    PadKeys keys;
    EXPECT_EQ(keys.Press(PadControl::A, PadLayout::Play, 0),
              (std::vector<Key>{{vk::Control, true, false}}));
    EXPECT_TRUE(keys.Press(PadControl::RightTrigger, PadLayout::Play, 10).empty());
    EXPECT_TRUE(keys.Release(PadControl::A).empty());
    EXPECT_EQ(keys.Release(PadControl::RightTrigger),
              (std::vector<Key>{{vk::Control, false, false}}));
    EXPECT_FALSE(keys.AnyHeld());
    // A release without its press, or a second press, does nothing.
    EXPECT_TRUE(keys.Release(PadControl::B).empty());
    keys.Press(PadControl::B, PadLayout::Play, 0);
    EXPECT_TRUE(keys.Press(PadControl::B, PadLayout::Play, 0).empty());
}

TEST(PadKeysTest, AControlLetsGoOfTheKeyItPressed) {
    PadKeys keys;
    // A pressed in the menu is Enter; by its release the game may have the
    // keyboard, but what is let go is Enter, and fire is not touched.
    keys.Press(PadControl::A, PadLayout::Navigation, 0);
    EXPECT_EQ(keys.Release(PadControl::A), (std::vector<Key>{{vk::Return, false, false}}));
    // A control without a key in its layout presses nothing, and later
    // works in the other layout.
    EXPECT_TRUE(keys.Press(PadControl::Start, PadLayout::Navigation, 0).empty());
    EXPECT_TRUE(keys.Release(PadControl::Start).empty());
    EXPECT_EQ(keys.Press(PadControl::Start, PadLayout::Play, 0),
              (std::vector<Key>{{vk::Pause, true, false}}));
}

TEST(PadKeysTest, HeldKeysRepeatAfterADelayOncePerPollAtMost) {
    PadKeys keys;
    keys.Press(PadControl::B, PadLayout::Play, 1000);
    EXPECT_TRUE(keys.Repeats(1000 + PadKeys::kRepeatDelayMs - 1).empty());
    EXPECT_EQ(keys.Repeats(1000 + PadKeys::kRepeatDelayMs),
              (std::vector<Key>{{vk::Space, true, true}}));
    EXPECT_TRUE(keys.Repeats(1000 + PadKeys::kRepeatDelayMs + 10).empty());
    // A late poll gets one repeat, not the ones it missed.
    EXPECT_EQ(keys.Repeats(5000).size(), 1u);
    EXPECT_EQ(keys.Repeats(5000 + PadKeys::kRepeatIntervalMs).size(), 1u);
    keys.Release(PadControl::B);
    EXPECT_TRUE(keys.Repeats(10000).empty());
}

}  // namespace
