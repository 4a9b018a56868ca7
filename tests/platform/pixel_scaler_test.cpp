// Whole-number enlargement: every pixel becomes an exact s x s block, and the
// kept enlarged frame redoes only what changed, reporting where.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "game/platform/pixel_scaler.h"

namespace {

using platform::EnlargedFrame;
using platform::EnlargePixels;
using platform::PixelRect;

std::vector<uint32_t> Noise(int width, int height, uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    for (uint32_t& p : pixels)
        p = 0xFF000000u | (random() & 0xFFFFFFu);
    return pixels;
}

// The enlarged image must hold src's pixel (x / s, y / s) at every (x, y).
void ExpectBlocks(const uint32_t* src, int width, int height, const uint32_t* big, size_t bigStride,
                  int scale) {
    for (int y = 0; y < height * scale; ++y)
        for (int x = 0; x < width * scale; ++x)
            ASSERT_EQ(big[y * bigStride + x], src[(y / scale) * width + x / scale])
                << "scale " << scale << " at " << x << ", " << y;
}

TEST(EnlargePixels, EveryPixelBecomesAnSquareBlockAtEveryScale) {
    const int width = 37, height = 23;  // odd sizes: no row length is special
    std::vector<uint32_t> src = Noise(width, height, 1);
    for (int scale : {1, 2, 3, 4, 5, 7}) {
        std::vector<uint32_t> big(static_cast<size_t>(width) * scale * height * scale, 0);
        EnlargePixels(src.data(), width, 0, 0, width, height, big.data(), width * scale, scale);
        ExpectBlocks(src.data(), width, height, big.data(), width * scale, scale);
    }
}

TEST(EnlargePixels, APartGoesToItsOwnBlocksAndNothingElseIsTouched) {
    const int width = 10, height = 8, scale = 3;
    std::vector<uint32_t> src = Noise(width, height, 2);
    const size_t stride = width * scale;
    std::vector<uint32_t> big(stride * height * scale, 0x12345678u);
    EnlargePixels(src.data(), width, 4, 2, 3, 5, big.data(), stride, scale);
    for (int y = 0; y < height * scale; ++y) {
        for (int x = 0; x < width * scale; ++x) {
            const bool inside = x >= 12 && x < 21 && y >= 6 && y < 21;
            uint32_t expected = inside ? src[(y / scale) * width + x / scale] : 0x12345678u;
            ASSERT_EQ(big[y * stride + x], expected) << x << ", " << y;
        }
    }
}

TEST(EnlargePixels, NothingHappensForAnEmptyBlockOrANonsenseScale) {
    std::vector<uint32_t> src = Noise(4, 4, 3);
    std::vector<uint32_t> big(64, 7u);
    EnlargePixels(src.data(), 4, 0, 0, 0, 4, big.data(), 8, 2);
    EnlargePixels(src.data(), 4, 0, 0, 4, 0, big.data(), 8, 2);
    EnlargePixels(src.data(), 4, 0, 0, 4, 4, big.data(), 8, 0);
    EXPECT_EQ(big, std::vector<uint32_t>(64, 7u));
}

class EnlargedFrameTest : public testing::TestWithParam<int> {
  protected:
    static constexpr int kSide = 100;
    void SetUp() override {
        frame = Noise(kSide, kSide, 4);
        enlarged.Reset(kSide, kSide, GetParam());
    }
    const std::vector<PixelRect>& Update() { return enlarged.Update(frame.data(), kSide); }
    void ExpectShowsFrame() {
        ExpectBlocks(frame.data(), kSide, kSide, enlarged.Pixels(), enlarged.Stride(),
                     enlarged.Scale());
    }

    std::vector<uint32_t> frame;
    EnlargedFrame enlarged;
};

TEST_P(EnlargedFrameTest, TheFirstFrameIsEnlargedWholeAndAnUnchangedOneReportsNothing) {
    EXPECT_EQ(Update(), (std::vector<PixelRect>{{0, 0, kSide, kSide}}));
    ExpectShowsFrame();
    EXPECT_TRUE(Update().empty());
    ExpectShowsFrame();
}

TEST_P(EnlargedFrameTest, ChangesAreEnlargedAndReportedOnePerBandOfRows) {
    Update();
    // One pixel in the first band, a sprite across the second and third
    // bands, a pixel in the last row of the frame.
    frame[3 * kSide + 50] ^= 0xFFu;
    for (int y = 35; y < 47; ++y)
        for (int x = 10; x < 22; ++x)
            frame[y * kSide + x] = 0xFF00FF00u;
    frame[99 * kSide + 99] ^= 0xFF00u;
    std::vector<PixelRect> changed = Update();
    EXPECT_EQ(changed,
              (std::vector<PixelRect>{
                  {50, 3, 51, 4}, {10, 35, 22, 40}, {10, 40, 22, 47}, {99, 99, 100, 100}}));
    ExpectShowsFrame();
}

TEST_P(EnlargedFrameTest, AChangedPixelThatTurnsBackIsReportedAgain) {
    Update();
    const uint32_t before = frame[42 * kSide + 7];
    frame[42 * kSide + 7] = 0xFFFFFFFFu;
    EXPECT_EQ(Update().size(), 1u);
    frame[42 * kSide + 7] = before;
    EXPECT_EQ(Update(), (std::vector<PixelRect>{{7, 42, 8, 43}}));
    ExpectShowsFrame();
}

TEST_P(EnlargedFrameTest, AWholeNewFrameAndAnInvalidatedOneAreShownWhole) {
    Update();
    frame = Noise(kSide, kSide, 5);
    size_t rows = 0;
    for (const PixelRect& part : Update())
        rows += part.Height();
    EXPECT_EQ(rows, static_cast<size_t>(kSide));
    ExpectShowsFrame();

    enlarged.Invalidate();
    EXPECT_EQ(Update(), (std::vector<PixelRect>{{0, 0, kSide, kSide}}));
    ExpectShowsFrame();
}

TEST_P(EnlargedFrameTest, AStrideWiderThanTheFrameIsRespected) {
    // The frame as the middle of a wider image.
    const int stride = kSide + 13;
    std::vector<uint32_t> wide(static_cast<size_t>(stride) * kSide, 0xFFABCDEFu);
    for (int y = 0; y < kSide; ++y)
        std::copy_n(&frame[y * kSide], kSide, &wide[y * stride]);
    enlarged.Update(wide.data(), stride);
    ExpectShowsFrame();
    wide[5 * stride + kSide - 1] = 0xFF000001u;
    frame[5 * kSide + kSide - 1] = 0xFF000001u;
    EXPECT_EQ(enlarged.Update(wide.data(), stride),
              (std::vector<PixelRect>{{kSide - 1, 5, kSide, 6}}));
    ExpectShowsFrame();
}

INSTANTIATE_TEST_SUITE_P(Scales, EnlargedFrameTest, testing::Values(1, 2, 3, 4));

}  // namespace
