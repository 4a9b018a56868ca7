// Nothing on the play field flashes more than three times a second over
// more than a quarter of it (the general flash threshold of WCAG 2.3.1), in
// a busy fight drawn with the game's own picture sheets: monsters striking
// the hero at low lives, bombs bursting, missiles and explosions, with and
// without the setting that stills what flashes.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "game/core/access_settings.h"
#include "game/core/drawing.h"
#include "game/core/game_state.h"
#include "game/core/health_signs.h"
#include "game/desktop/sheet_surfaces.h"
#include "game/platform/surface.h"
#include "game/play/frame_loop.h"
#include "support/busy_level.h"
#include "support/game_test.h"

namespace {

using namespace game;

// Relative luminance of a pixel (sRGB, 0 to 1).
double Luminance(uint32_t pixel) {
    static const std::array<double, 256> linear = [] {
        std::array<double, 256> table{};
        for (int c = 0; c < 256; ++c) {
            const double v = c / 255.0;
            table[c] = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        }
        return table;
    }();
    return 0.2126 * linear[(pixel >> 16) & 0xFF] + 0.7152 * linear[(pixel >> 8) & 0xFF] +
           0.0722 * linear[pixel & 0xFF];
}

// Follows every pixel of a run of frames shown 60 a second.  A transition is
// a change of relative luminance of 0.1 or more against the last turning
// point, in the other direction than the last one, the darker side below
// 0.8; two make a flash.  Tells how many pixels at most, in any one second,
// made seven transitions or more -- more than three flashes, counted
// strictly.
class FlashMeter {
  public:
    static constexpr int kFramesPerSecond = 60;
    static constexpr int kTransitionsTooMany = 7;

    void Add(const std::vector<uint32_t>& pixels) {
        if (pixels_.empty()) {
            pixels_.resize(pixels.size());
            for (size_t i = 0; i < pixels.size(); ++i)
                pixels_[i].turn = Luminance(pixels[i]);
        }
        int over = 0;
        for (size_t i = 0; i < pixels.size(); ++i) {
            Pixel& p = pixels_[i];
            const double l = Luminance(pixels[i]);
            const bool up = l - p.turn >= 0.1, down = p.turn - l >= 0.1;
            if ((p.rising && l > p.turn) || (p.falling && l < p.turn)) {
                p.turn = l;  // the change goes on the same way
            } else if ((up && !p.rising) || (down && !p.falling)) {
                if (std::min(l, p.turn) < 0.8) {
                    p.times[p.next] = frame_;
                    p.next = (p.next + 1) % kTransitionsTooMany;
                    ++p.count;
                }
                p.rising = up;
                p.falling = down;
                p.turn = l;
            }
            // The oldest of the last seven transitions within the second.
            if (p.count >= kTransitionsTooMany && frame_ - p.times[p.next] < kFramesPerSecond)
                ++over;
        }
        mostOver_ = std::max(mostOver_, over);
        ++frame_;
    }
    // The largest share of the field that flashed too often in a second.
    double WorstShare() const {
        return pixels_.empty() ? 0.0 : static_cast<double>(mostOver_) / pixels_.size();
    }

  private:
    struct Pixel {
        double turn = 0;
        bool rising = false, falling = false;
        std::array<int, kTransitionsTooMany> times{};
        int next = 0, count = 0;
    };
    std::vector<Pixel> pixels_;
    int frame_ = 0;
    int mostOver_ = 0;
};

class FlashTest : public testing_support::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        Places.data = KARVELUN_DATA_DIR;
        std::string failed;
        ASSERT_TRUE(LoadSurfaces(&failed)) << failed;
    }
    void TearDown() override {
        FreeSurfaces();
        GameTest::TearDown();
    }

    // Ten seconds of the fight, frame by frame as the game window draws
    // them (the floating texts left out: they rise, they do not flash).
    double WorstShareOfAFight() {
        testing_support::PlaceBusyLevel();
        int64_t nowMs = 0;
        SetHealthClock([&nowMs] { return nowMs; });
        FrameLoop loop;
        FlashMeter meter;
        platform::PixelSurface field(kFieldSize, kFieldSize);
        for (int frame = 0; frame < 10 * FlashMeter::kFramesPerSecond; ++frame) {
            // Low lives the whole time, a blow now and then; healed before
            // the blows could end the game (a healing is no flash).
            if (frame % 120 == 0) {
                testing_support::RefreshBusyLevel();
                MaxLives = 40;
                Lives = 9;
            }
            if (Lives < 3) Lives = 9;
            SetClock(1000.0f + frame / 60.0f);
            nowMs = frame * 1000 / 60;
            loop.RunFrame();
            ComposeFrame(field);
            DrawHealthSigns(field, CurrentHealthSigns().Look());
            meter.Add(field.pixels);
            blows += CurrentHealthSigns().Look().hurtFlash || CurrentHealthSigns().Look().hurtRim;
            explosions = std::max<int>(explosions, ExplosionCount);
        }
        return meter.WorstShare();
    }

    int blows = 0;
    int explosions = 0;
};

TEST_F(FlashTest, NoMoreThanThreeFlashesASecondOverAQuarterOfTheField) {
    // The meter itself: the whole field blinking six times a second is
    // caught, the low-lives edge's slow swell and a steady field are not.
    {
        FlashMeter blinking, swelling;
        for (int frame = 0; frame < 120; ++frame) {
            const uint32_t grey = (frame / 5) % 2 ? 0xFFFFFFFFu : 0xFF000000u;
            blinking.Add(std::vector<uint32_t>(100, grey));
            const auto level = static_cast<uint32_t>(
                127 + 127 * std::sin(frame * 2 * M_PI / (1.6 * FlashMeter::kFramesPerSecond)));
            swelling.Add(
                std::vector<uint32_t>(100, 0xFF000000u | level << 16 | level << 8 | level));
        }
        EXPECT_EQ(blinking.WorstShare(), 1.0);
        EXPECT_EQ(swelling.WorstShare(), 0.0);
    }

    for (const bool flashing : {true, false}) {
        SCOPED_TRACE(flashing ? "Blikani=Ano" : "Blikani=Ne");
        Access.flashing = flashing;
        blows = explosions = 0;
        const double share = WorstShareOfAFight();
        RecordProperty(flashing ? "worst_share_flashing" : "worst_share_calm",
                       std::to_string(share));
        EXPECT_LE(share, 0.25);
        // The fight was one: the hero was struck and bombs burst.
        EXPECT_GT(blows, 10);
        EXPECT_GE(explosions, 10);
    }
}

}  // namespace
