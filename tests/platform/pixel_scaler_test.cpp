// Whole-number enlargement: every pixel becomes an exact s x s block, and the
// kept enlarged frame redoes only the cells that changed, reporting where.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

// A filled frame must stay sharp and keep every pixel's weight: one lit
// pixel on black, wherever it is, lights a rectangle of whole pixels that is
// fully lit but for at most one soft pixel at each edge (none at the
// frame's own edges), and its light adds up to its enlarged area.  A
// factor of 1 gives the same pixels; nothing outside the target is touched.
TEST(FillPixels, EveryPixelIsAWholeBlockWithAtMostOneSoftPixelAtEachEdge) {
    struct Case {
        int w, h, dw, dh;
    };
    const Case cases[] = {
        {10, 8, 16, 13},   // 1.6 and 1.625
        {10, 10, 25, 25},  // 2.5
        {7, 5, 7, 5},      // 1: the same pixels
        {31, 20, 48, 31},  // the handheld's 1.55
        {9, 6, 18, 7},     // whole across, barely larger down
    };
    constexpr uint32_t kUntouched = 0x12345678u, kBlack = 0xFF000000u, kWhite = 0xFFFFFFFFu;
    for (const Case& c : cases)
        for (int sy = 0; sy < c.h; ++sy)
            for (int sx = 0; sx < c.w; ++sx) {
                SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << " to " << c.dw << " x "
                                                << c.dh << ", lit " << sx << ", " << sy);
                std::vector<uint32_t> src(static_cast<size_t>(c.w) * c.h, kBlack);
                src[sy * c.w + sx] = kWhite;
                const size_t stride = static_cast<size_t>(c.dw) + 3;
                std::vector<uint32_t> dst(stride * (c.dh + 1), kUntouched);
                platform::FillPixels(src.data(), c.w, c.w, c.h, dst.data(), stride, c.dw, c.dh);

                PixelRect lit{c.dw, c.dh, 0, 0};
                int litCount = 0;
                double light = 0;
                auto grow = [](PixelRect& r, int x, int y) {
                    r.left = std::min(r.left, x), r.right = std::max(r.right, x + 1);
                    r.top = std::min(r.top, y), r.bottom = std::max(r.bottom, y + 1);
                };
                for (int y = 0; y <= c.dh; ++y)
                    for (size_t x = 0; x < stride; ++x) {
                        const uint32_t p = dst[y * stride + x];
                        if (y == c.dh || x >= static_cast<size_t>(c.dw)) {
                            ASSERT_EQ(p, kUntouched) << x << ", " << y;
                            continue;
                        }
                        // Grey: the three channels alike.
                        ASSERT_EQ(p >> 24, 0xFFu);
                        ASSERT_EQ(p & 0xFF, (p >> 8) & 0xFF);
                        ASSERT_EQ(p & 0xFF, (p >> 16) & 0xFF);
                        if (p == kBlack) continue;
                        grow(lit, static_cast<int>(x), y), ++litCount;
                        light += (p & 0xFF) / 255.0;
                    }
                ASSERT_GT(litCount, 0);
                const double fx = static_cast<double>(c.dw) / c.w,
                             fy = static_cast<double>(c.dh) / c.h;
                EXPECT_NEAR(light, fx * fy, 0.02 * litCount);
                // Inside the edge rows and columns every pixel is fully lit.
                auto at = [&](int x, int y) { return dst[y * stride + x] & 0xFF; };
                for (int y = lit.top + 1; y + 1 < lit.bottom; ++y)
                    for (int x = lit.left + 1; x + 1 < lit.right; ++x)
                        ASSERT_EQ(at(x, y), 0xFFu) << x << ", " << y;
                // At the frame's own edges the edge pixel is no softer than the
                // next one.
                for (int y = lit.top; y < lit.bottom && lit.Width() > 1; ++y) {
                    if (sx == 0) {
                        EXPECT_GE(at(0, y), at(1, y)) << y;
                    }
                    if (sx == c.w - 1) {
                        EXPECT_GE(at(c.dw - 1, y), at(c.dw - 2, y)) << y;
                    }
                }
                for (int x = lit.left; x < lit.right && lit.Height() > 1; ++x) {
                    if (sy == 0) {
                        EXPECT_GE(at(x, 0), at(x, 1)) << x;
                    }
                    if (sy == c.h - 1) {
                        EXPECT_GE(at(x, c.dh - 1), at(x, c.dh - 2)) << x;
                    }
                }
                EXPECT_LE(lit.Width(), static_cast<int>(std::ceil(fx)) + 1);
                EXPECT_LE(lit.Height(), static_cast<int>(std::ceil(fy)) + 1);
                if (sx == 0) {
                    EXPECT_EQ(lit.left, 0);
                }
                if (sy == 0) {
                    EXPECT_EQ(lit.top, 0);
                }
                if (sx == c.w - 1) {
                    EXPECT_EQ(lit.right, c.dw);
                }
                if (sy == c.h - 1) {
                    EXPECT_EQ(lit.bottom, c.dh);
                }
                if (c.dw == c.w && c.dh == c.h) {
                    EXPECT_EQ(lit, (PixelRect{sx, sy, sx + 1, sy + 1}));
                }
                if (HasFailure()) return;
            }
}

}  // namespace

namespace {

// A filling frame redoes only what changed, including the soft pixels that
// a changed pixel shares with its unchanged neighbours: after any run of
// changes it shows exactly what filling the whole frame afresh shows, and
// what it reports covers every target pixel that differs.
TEST(EnlargedFrameFilling, ChangedCellsGiveTheSameImageAsAFreshFill) {
    constexpr int kW = 53, kH = 47, kOutW = 82, kOutH = 73;  // about 1.55
    std::vector<uint32_t> frame = Noise(kW, kH, 5);
    EnlargedFrame enlarged;
    enlarged.ResetFilled(kW, kH, kOutW, kOutH);
    ASSERT_TRUE(enlarged.Fills());
    EXPECT_EQ(enlarged.Scale(), 1);
    EXPECT_EQ(enlarged.Update(frame.data(), kW), (std::vector<PixelRect>{{0, 0, kW, kH}}));
    std::vector<uint32_t> fresh(static_cast<size_t>(kOutW) * kOutH);
    std::vector<uint32_t> before;
    // A pixel on a cell's edge, a block over four cells, the last corner,
    // and the whole frame new.
    const PixelRect changes[] = {
        {9, 10, 10, 11}, {15, 17, 33, 26}, {52, 46, 53, 47}, {0, 0, kW, kH}};
    uint32_t seed = 9;
    for (const PixelRect& change : changes) {
        SCOPED_TRACE(testing::Message() << change.left << ", " << change.top);
        before.assign(enlarged.Pixels(), enlarged.Pixels() + fresh.size());
        for (int y = change.top; y < change.bottom; ++y)
            for (int x = change.left; x < change.right; ++x)
                frame[y * kW + x] = 0xFF000000u | (seed = seed * 1103515245u + 12345u) >> 8;
        const std::vector<PixelRect> reported = enlarged.Update(frame.data(), kW);
        platform::FillPixels(frame.data(), kW, kW, kH, fresh.data(), kOutW, kOutW, kOutH);
        ASSERT_EQ(std::vector<uint32_t>(enlarged.Pixels(), enlarged.Pixels() + fresh.size()),
                  fresh);
        for (int y = 0; y < kOutH; ++y)
            for (int x = 0; x < kOutW; ++x) {
                if (before[y * kOutW + x] == fresh[y * kOutW + x]) continue;
                const bool covered = std::any_of(reported.begin(), reported.end(), [&](auto& r) {
                    const PixelRect out = enlarged.OutRect(r);
                    return x >= out.left && x < out.right && y >= out.top && y < out.bottom;
                });
                ASSERT_TRUE(covered) << x << ", " << y;
            }
    }
}

}  // namespace
