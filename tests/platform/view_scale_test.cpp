// The view's scale rules: the automatic scale for common screens, full
// screen, the player's choice, and the mapping between toolkit units and the
// game's pixels on screens with whole and fractional pixel ratios.
#include <gtest/gtest.h>

#include "game/platform/view_scale.h"

namespace {

using platform::AutomaticScale;
using platform::CentredPlacement;
using platform::FullScreenScale;
using platform::PixelSize;
using platform::ViewPlacement;
using platform::WindowedScale;

constexpr PixelSize kGameWindow{779, 516};
// 1-pixel borders round the window and a 30-pixel title bar.
constexpr PixelSize kThinFrame{2, 32};

TEST(AutomaticScale, LargestWholeScaleThatFitsTheAvailableAreaWithTheFrame) {
    struct Case {
        PixelSize available;
        int scale;
    };
    const Case cases[] = {
        {{1366, 728}, 1},   // a small laptop below its panel
        {{1920, 1040}, 1},  // full HD below a 40-pixel panel: 2 x 516 + 32 is too high
        {{1920, 1080}, 2},  // full HD without a panel
        {{2560, 1400}, 2},  // 3 x 516 = 1548 is too high
        {{3840, 2120}, 4},  // 5 x 779 is too wide
        {{800, 600}, 1},    // even 1 does not fit: 1 all the same
        {{100, 100}, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AutomaticScale(c.available, kThinFrame, kGameWindow), c.scale)
            << c.available.width << " x " << c.available.height;
}

TEST(AutomaticScale, TheFrameCountsOnBothAxesAndAnExactFitIsAFit) {
    // 2 x 779 + 2 = 1560 wide and 2 x 516 + 32 = 1064 high, exactly.
    EXPECT_EQ(AutomaticScale({1560, 1064}, kThinFrame, kGameWindow), 2);
    EXPECT_EQ(AutomaticScale({1559, 1064}, kThinFrame, kGameWindow), 1);
    EXPECT_EQ(AutomaticScale({1560, 1063}, kThinFrame, kGameWindow), 1);
    // A wide frame alone can cost a step.
    EXPECT_EQ(AutomaticScale({1560, 1100}, {40, 32}, kGameWindow), 1);
}

TEST(FullScreenScale, TheWholeScreenWithoutFrameOrPanel) {
    EXPECT_EQ(FullScreenScale({1920, 1080}, kGameWindow), 2);
    EXPECT_EQ(FullScreenScale({2560, 1600}, kGameWindow), 3);
    EXPECT_EQ(FullScreenScale({3840, 2160}, kGameWindow), 4);
    EXPECT_EQ(FullScreenScale({7680, 4320}, kGameWindow), 8);
    EXPECT_EQ(FullScreenScale({640, 480}, kGameWindow), 1);
}

TEST(WindowedScale, AChosenScaleHoldsAndZeroMeansAutomatic) {
    for (int chosen : {1, 2, 3, 4})
        EXPECT_EQ(WindowedScale(chosen, {1366, 728}, kThinFrame, kGameWindow), chosen);
    EXPECT_EQ(WindowedScale(0, {2560, 1400}, kThinFrame, kGameWindow), 2);
}

TEST(ChooseScale, FillsSmallScreensInFullScreenAndKeepsWholeScalesElsewhere) {
    constexpr int kAuto = 0, kFill = platform::kFillChoice;
    struct Case {
        const char* what;
        int chosen;
        bool fullScreen;
        PixelSize screen, available;
        int whole;
        double fill;  // 0: none
    };
    const Case cases[] = {
        // Full screen where only 1 fits whole: the height is the limit.
        {"1280 x 800 full", kAuto, true, {1280, 800}, {1280, 760}, 1, 800.0 / 516},
        {"1366 x 768 full", kAuto, true, {1366, 768}, {1366, 728}, 1, 768.0 / 516},
        {"1024 x 768 full", kAuto, true, {1024, 768}, {1024, 728}, 1, 1024.0 / 779},
        // A window keeps the largest whole scale.
        {"1024 x 768 window", kAuto, false, {1024, 768}, {1024, 728}, 1, 0},
        {"1280 x 800 window", kAuto, false, {1280, 800}, {1280, 760}, 1, 0},
        {"1920 x 1080 window", kAuto, false, {1920, 1080}, {1920, 1080}, 2, 0},
        {"1920 x 1080 full", kAuto, true, {1920, 1080}, {1920, 1040}, 2, 0},
        // A chosen whole scale: held in a window, the largest whole one in
        // full screen, as before.
        {"2x on 1280 x 800 full", 2, true, {1280, 800}, {1280, 760}, 1, 0},
        {"3x window", 3, false, {1280, 800}, {1280, 760}, 3, 0},
        // Filling chosen: in a window too, with its frame, and on large
        // screens; an exact whole fit is that whole scale.
        {"fill 1280 x 800 window", kFill, false, {1280, 800}, {1280, 760}, 1, 728.0 / 516},
        {"fill 1920 x 1080 full", kFill, true, {1920, 1080}, {1920, 1040}, 2, 1080.0 / 516},
        {"fill exact 2x", kFill, true, {1558, 1032}, {1558, 992}, 2, 0},
        {"fill, nothing fits", kFill, true, {640, 480}, {640, 440}, 1, 0},
    };
    for (const Case& c : cases) {
        const platform::ScaleChoice choice = platform::ChooseScale(
            c.chosen, c.fullScreen, c.screen, c.available, kThinFrame, kGameWindow);
        EXPECT_EQ(choice.whole, c.whole) << c.what;
        EXPECT_NEAR(choice.fill, c.fill, 1e-9) << c.what;
        // Never larger than the place it has.
        const PixelSize room = c.fullScreen ? c.screen : c.available;
        const PixelSize frame = c.fullScreen ? PixelSize{} : kThinFrame;
        if (c.fill > 0) {
            EXPECT_LE(choice.Factor() * kGameWindow.width + frame.width, room.width + 1e-9);
            EXPECT_LE(choice.Factor() * kGameWindow.height + frame.height, room.height + 1e-9);
        }
    }
    // Full screen on the 1280 x 800 handheld: at least 95 % of the height,
    // and the 8-pixel capitals at least 12 pixels tall.
    const platform::ScaleChoice handheld =
        platform::ChooseScale(kAuto, true, {1280, 800}, {1280, 760}, kThinFrame, kGameWindow);
    EXPECT_GE(handheld.Factor() * kGameWindow.height, 0.95 * 800);
    EXPECT_GE(handheld.Factor() * 8, 12.0);
}

TEST(DevicePixels, AScreenAtPixelRatioTwoCountsItsDevicePixels) {
    // A 3840 x 2160 screen at ratio 2 reports 1920 x 1080 units: the scale
    // is decided on its 3840 x 2160 pixels, 4 of them to a game pixel.
    PixelSize device = platform::DevicePixels(1920, 1080, 2.0);
    EXPECT_EQ(device, (PixelSize{3840, 2160}));
    EXPECT_EQ(FullScreenScale(device, kGameWindow), 4);
    EXPECT_EQ(platform::DevicePixels(2560, 1440, 1.5), (PixelSize{3840, 2160}));
}

TEST(ViewPlacement, EveryGamePixelMapsToItsBlockAndBack) {
    for (double ratio : {1.0, 1.25, 1.5, 2.0}) {
        for (int scale : {1, 2, 3, 4}) {
            ViewPlacement view{scale, ratio, 0.0, 0.0};
            for (int x : {0, 1, 7, 25, 184, 185, 499, 778}) {
                const double unit = view.Unit();
                // The first, the middle and the last point inside the block.
                for (double inside : {0.0, 0.5, 0.999}) {
                    const double at = (x + inside) * unit;
                    EXPECT_EQ(view.PixelX(at), x) << scale << " " << ratio << " " << at;
                    EXPECT_EQ(view.PixelY(at), x);
                }
            }
        }
    }
}

TEST(ViewPlacement, PlacesControlsAtTheirPlaceTimesTheUnit) {
    ViewPlacement twice{2, 1.0, 0.0, 0.0};
    EXPECT_EQ(twice.UnitsX(520), 1040);
    EXPECT_EQ(twice.UnitsY(117), 234);
    // Three device pixels on a screen of ratio 2: 1.5 units to a pixel.
    ViewPlacement threeOnTwo{3, 2.0, 0.0, 0.0};
    EXPECT_EQ(threeOnTwo.UnitsX(8), 12);
    EXPECT_EQ(threeOnTwo.UnitsX(779), 1169);  // 1168.5, rounded
    EXPECT_EQ(threeOnTwo.PixelX(1168.4), 778);
}

TEST(CentredPlacement, ContentInTheMiddleOnWholeDevicePixels) {
    // 3 x 779 = 2337 of 2560 and 3 x 516 = 1548 of 1600.
    ViewPlacement view = CentredPlacement(kGameWindow, 3, 1.0, 2560, 1600);
    EXPECT_EQ(view.originX, 111.0);
    EXPECT_EQ(view.originY, 26.0);
    EXPECT_EQ(view.PixelX(111.0), 0);
    EXPECT_EQ(view.PixelX(110.9), -1);  // the black round the content
    EXPECT_EQ(view.PixelY(26.0 + 3 * 516 - 0.1), 515);

    // At ratio 2 the origin is a whole device pixel, half a unit.
    ViewPlacement hiDpi = CentredPlacement(kGameWindow, 4, 2.0, 1920, 1080);
    EXPECT_EQ(hiDpi.originX * 2, 362.0);  // (3840 - 3116) / 2
    EXPECT_EQ(hiDpi.originY * 2, 48.0);   // (2160 - 2064) / 2

    // Content larger than the area starts at its corner.
    ViewPlacement tight = CentredPlacement(kGameWindow, 2, 1.0, 800, 600);
    EXPECT_EQ(tight.originX, 0.0);
    EXPECT_EQ(tight.originY, 0.0);
}

}  // namespace
