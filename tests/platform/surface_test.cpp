#include <gtest/gtest.h>

#include "game/platform/surface.h"

namespace {

using platform::PixelSurface;

constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kBlack = 0xFF000000u;
constexpr uint32_t kRed = 0xFFFF0000u;
constexpr uint32_t kBlue = 0xFF0000FFu;

TEST(BitBlt, CopyAndOrReproduceTheMaskedDrawing) {
    // A 2x1 picture: a red pixel beside a transparent one; its mask below.
    PixelSurface sheet(2, 2, kBlack);
    sheet.at(0, 0) = kRed;
    sheet.at(0, 1) = kBlack;  // mask: picture
    sheet.at(1, 1) = kWhite;  // mask: transparent
    PixelSurface field(2, 1, kBlue);

    platform::BitBlt(field, 0, 0, 2, 1, sheet, 0, 1, platform::SRCAND);
    platform::BitBlt(field, 0, 0, 2, 1, sheet, 0, 0, platform::SRCPAINT);
    EXPECT_EQ(field.at(0, 0), kRed);   // black mask shows the picture
    EXPECT_EQ(field.at(1, 0), kBlue);  // white mask keeps the field

    platform::BitBlt(field, 0, 0, 2, 1, sheet, 0, 0, platform::SRCCOPY);
    EXPECT_EQ(field.at(1, 0), kBlack);
}

TEST(BitBlt, ClipsAtEveryEdgeOfBothSurfaces) {
    PixelSurface src(4, 4, kRed);
    PixelSurface dst(4, 4, kBlack);
    platform::BitBlt(dst, -2, -2, 4, 4, src, 0, 0, platform::SRCCOPY);
    EXPECT_EQ(dst.at(0, 0), kRed);
    EXPECT_EQ(dst.at(1, 1), kRed);
    EXPECT_EQ(dst.at(2, 2), kBlack);

    PixelSurface dst2(4, 4, kBlack);
    platform::BitBlt(dst2, 3, 3, 4, 4, src, 0, 0, platform::SRCCOPY);
    EXPECT_EQ(dst2.at(3, 3), kRed);
    EXPECT_EQ(dst2.at(2, 3), kBlack);

    // A source block partly outside its sheet copies only what exists.
    PixelSurface dst3(4, 4, kBlack);
    platform::BitBlt(dst3, 0, 0, 4, 4, src, 2, -1, platform::SRCCOPY);
    EXPECT_EQ(dst3.at(0, 0), kBlack);
    EXPECT_EQ(dst3.at(0, 1), kRed);
    EXPECT_EQ(dst3.at(2, 1), kBlack);
}

TEST(Gdi, ContextsAndBitmapsLiveUntilDeleted) {
    int before = platform::LiveGdiHandles();
    int32_t dc = platform::CreateCompatibleDC();
    int32_t bitmap = platform::CreateCompatibleBitmap(3, 2);
    platform::SelectObject(dc, bitmap);
    ASSERT_NE(platform::SurfaceOfDc(dc), nullptr);
    EXPECT_EQ(platform::SurfaceOfDc(dc)->width, 3);
    int32_t field = platform::CreateCompatibleDC();
    int32_t fieldBitmap = platform::CreateCompatibleBitmap(3, 2);
    platform::SelectObject(field, fieldBitmap);
    platform::SurfaceOfDc(dc)->Fill(kRed);
    EXPECT_TRUE(platform::BitBlt(field, 0, 0, 3, 2, dc, 0, 0, platform::SRCCOPY));
    EXPECT_EQ(platform::SurfaceOfDc(field)->at(2, 1), kRed);

    platform::DeleteDC(dc);
    platform::DeleteObject(bitmap);
    EXPECT_FALSE(platform::BitBlt(field, 0, 0, 3, 2, dc, 0, 0, platform::SRCCOPY));
    platform::DeleteDC(field);
    platform::DeleteObject(fieldBitmap);
    EXPECT_EQ(platform::LiveGdiHandles(), before);
}

TEST(Colours, RuleColoursBecomePixels) {
    EXPECT_EQ(platform::PixelOfColour(255), 0xFFFF0000u);  // red
    EXPECT_EQ(platform::PixelOfColour(200 * 256 + 255 * 65536), 0xFF00C8FFu);
}

}  // namespace
