// Whole-number enlargement: every pixel becomes an exact s x s block, and the
// kept enlarged frame redoes only the cells that changed, reporting where.
#include <gtest/gtest.h>

#include <algorithm>
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

TEST_P(EnlargedFrameTest, ChangedCellsAreEnlargedAndReportedInRunsSideBySide) {
    Update();
    // One pixel in the first row of cells; a sprite over four cells; a
    // pixel in the frame's last corner; two cells side by side with a gap
    // before a third.
    frame[3 * kSide + 50] ^= 0xFFu;
    for (int y = 35; y < 47; ++y)
        for (int x = 10; x < 22; ++x)
            frame[y * kSide + x] = 0xFF00FF00u;
    frame[99 * kSide + 99] ^= 0xFF00u;
    frame[65 * kSide + 5] ^= 0xFFu;
    frame[70 * kSide + 39] ^= 0xFFu;
    frame[61 * kSide + 60] ^= 0xFFu;
    static_assert(EnlargedFrame::kCell == 10, "the cells below are 10 pixels square");
    std::vector<PixelRect> changed = Update();
    EXPECT_EQ(changed, (std::vector<PixelRect>{{50, 0, 60, 10},
                                               {10, 30, 30, 40},
                                               {10, 40, 30, 50},
                                               {0, 60, 10, 70},
                                               {60, 60, 70, 70},
                                               {30, 70, 40, 80},
                                               {90, 90, 100, 100}}));
    ExpectShowsFrame();
}

TEST_P(EnlargedFrameTest, CellsAtTheEdgeOfAnOddSizedFrameAreCut) {
    const int width = 37, height = 23;
    std::vector<uint32_t> odd = Noise(width, height, 6);
    EnlargedFrame small;
    small.Reset(width, height, GetParam());
    small.Update(odd.data(), width);
    odd[22 * width + 36] ^= 0xFFu;
    EXPECT_EQ(small.Update(odd.data(), width), (std::vector<PixelRect>{{30, 20, 37, 23}}));
    ExpectBlocks(odd.data(), width, height, small.Pixels(), small.Stride(), small.Scale());
}

TEST_P(EnlargedFrameTest, AChangedPixelThatTurnsBackIsReportedAgain) {
    Update();
    const uint32_t before = frame[42 * kSide + 7];
    frame[42 * kSide + 7] = 0xFFFFFFFFu;
    EXPECT_EQ(Update().size(), 1u);
    frame[42 * kSide + 7] = before;
    EXPECT_EQ(Update(), (std::vector<PixelRect>{{0, 40, 10, 50}}));
    ExpectShowsFrame();
}

TEST_P(EnlargedFrameTest, AWholeNewFrameAndAnInvalidatedOneAreShownWhole) {
    Update();
    frame = Noise(kSide, kSide, 5);
    // Every cell changed: each row of cells is one run.
    std::vector<PixelRect> changed = Update();
    ASSERT_EQ(changed.size(), 10u);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(changed[i], (PixelRect{0, 10 * i, kSide, 10 * i + 10}));
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
    EXPECT_EQ(enlarged.Update(wide.data(), stride), (std::vector<PixelRect>{{90, 0, kSide, 10}}));
    ExpectShowsFrame();
}

INSTANTIATE_TEST_SUITE_P(Scales, EnlargedFrameTest, testing::Values(1, 2, 3, 4));

}  // namespace

namespace {

// A filled frame must stay sharp: every source pixel shows as a solid block
// of whole pixels, at least the whole part of the factor wide and high,
// blocks meet their neighbours directly or across one mixed pixel whose
// channels lie between the two, the frame's own edges stay hard, and
// nothing outside the target block is touched.
TEST(FillPixels, EveryPixelIsAWholeBlockWithAtMostOneSoftPixelBetweenNeighbours) {
    struct Case {
        int w, h, dw, dh;
    };
    const Case cases[] = {
        {10, 8, 16, 13},   // 1.6 and 1.625
        {10, 10, 25, 25},  // 2.5
        {7, 5, 7, 5},      // 1: the same pixels
        {50, 40, 78, 62},  // the handheld's 1.55
        {9, 6, 18, 7},     // whole across, barely larger down
    };
    constexpr uint32_t kUntouched = 0x12345678u;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << " to " << c.dw << " x " << c.dh);
        const std::vector<uint32_t> src = Noise(c.w, c.h, 3);
        const size_t stride = static_cast<size_t>(c.dw) + 3;
        std::vector<uint32_t> dst(stride * (c.dh + 1), kUntouched);
        platform::FillPixels(src.data(), c.w, c.w, c.h, dst.data(), stride, c.dw, c.dh);

        // Each target pixel that is exactly one of the nearby source pixels
        // belongs to that pixel's block.
        struct Box {
            int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1, count = 0;
        };
        std::vector<Box> boxes(src.size());
        for (int ty = 0; ty < c.dh; ++ty)
            for (int tx = 0; tx < c.dw; ++tx) {
                const int sx = tx * c.w / c.dw, sy = ty * c.h / c.dh;
                for (int y = sy; y <= std::min(sy + 1, c.h - 1); ++y)
                    for (int x = sx; x <= std::min(sx + 1, c.w - 1); ++x)
                        if (dst[ty * stride + tx] == src[y * c.w + x]) {
                            Box& b = boxes[y * c.w + x];
                            b.left = std::min(b.left, tx), b.right = std::max(b.right, tx + 1);
                            b.top = std::min(b.top, ty), b.bottom = std::max(b.bottom, ty + 1);
                            ++b.count;
                        }
            }
        auto box = [&](int x, int y) { return boxes[y * c.w + x]; };
        auto between = [](uint32_t mixed, uint32_t a, uint32_t b) {
            for (int shift : {0, 8, 16}) {
                const int m = (mixed >> shift) & 0xFF, p = (a >> shift) & 0xFF,
                          q = (b >> shift) & 0xFF;
                if (m < std::min(p, q) || m > std::max(p, q)) return false;
            }
            return true;
        };
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x) {
                const Box b = box(x, y);
                ASSERT_GT(b.count, 0) << x << ", " << y;
                EXPECT_EQ(b.count, (b.right - b.left) * (b.bottom - b.top)) << x << ", " << y;
                EXPECT_GE(b.right - b.left, c.dw / c.w) << x << ", " << y;
                EXPECT_GE(b.bottom - b.top, c.dh / c.h) << x << ", " << y;
                if (x == 0) EXPECT_EQ(b.left, 0);
                if (y == 0) EXPECT_EQ(b.top, 0);
                if (x == c.w - 1) EXPECT_EQ(b.right, c.dw);
                if (y == c.h - 1) EXPECT_EQ(b.bottom, c.dh);
                if (x + 1 < c.w) {
                    const Box n = box(x + 1, y);
                    EXPECT_EQ(n.top, b.top);
                    EXPECT_EQ(n.bottom, b.bottom);
                    ASSERT_GE(n.left - b.right, 0) << x << ", " << y;
                    ASSERT_LE(n.left - b.right, 1) << x << ", " << y;
                    for (int ty = b.top; ty < b.bottom && n.left > b.right; ++ty)
                        EXPECT_TRUE(between(dst[ty * stride + b.right], src[y * c.w + x],
                                            src[y * c.w + x + 1]))
                            << x << ", " << y;
                }
                if (y + 1 < c.h) {
                    const Box n = box(x, y + 1);
                    EXPECT_EQ(n.left, b.left);
                    EXPECT_EQ(n.right, b.right);
                    ASSERT_GE(n.top - b.bottom, 0) << x << ", " << y;
                    ASSERT_LE(n.top - b.bottom, 1) << x << ", " << y;
                    for (int tx = b.left; tx < b.right && n.top > b.bottom; ++tx)
                        EXPECT_TRUE(between(dst[b.bottom * stride + tx], src[y * c.w + x],
                                            src[(y + 1) * c.w + x]))
                            << x << ", " << y;
                }
            }
        for (int ty = 0; ty <= c.dh; ++ty)
            for (size_t tx = (ty < c.dh ? c.dw : 0); tx < stride; ++tx)
                ASSERT_EQ(dst[ty * stride + tx], kUntouched) << tx << ", " << ty;
    }
}

}  // namespace
