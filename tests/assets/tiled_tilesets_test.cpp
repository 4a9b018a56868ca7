// The Tiled tilesets show exactly what the game draws: the tiles as sheet
// sc1, the monsters and items as the images of sc2 and sc3 with a clear
// pixel wherever their mask lets the floor show through.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>

namespace {

const QString kData = KARVELUN_DATA_DIR;

QImage Load(const QString& path) {
    QImage image(path);  // the sheets have no extension; the reader finds PNG by content
    return image.convertToFormat(QImage::Format_ARGB32);
}

void ExpectMaskedStripAsTileset(const char* sheet, const char* tileset, int size) {
    SCOPED_TRACE(tileset);
    const QImage masked = Load(kData + "/obr/" + sheet);
    const QImage strip = Load(kData + "/tiled/" + tileset + ".png");
    ASSERT_FALSE(masked.isNull());
    ASSERT_EQ(strip.width(), masked.width());
    ASSERT_EQ(strip.height(), size);
    int clear = 0, solid = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < strip.width(); ++x) {
            const bool shows = (masked.pixel(x, y + size) & 0xFFFFFFu) == 0xFFFFFFu;
            const QRgb p = strip.pixel(x, y);
            if (shows) {
                ++clear;
                ASSERT_EQ(qAlpha(p), 0) << x << "," << y;
            } else {
                ++solid;
                ASSERT_EQ(qAlpha(p), 255) << x << "," << y;
                ASSERT_EQ(p & 0xFFFFFFu, masked.pixel(x, y) & 0xFFFFFFu) << x << "," << y;
            }
        }
    }
    EXPECT_GT(clear, 0);
    EXPECT_GT(solid, 0);
}

TEST(TiledTilesets, MonstersAndItemsAreTheSheetsWithRealTransparency) {
    ExpectMaskedStripAsTileset("sc2", "monsters", 15);
    ExpectMaskedStripAsTileset("sc3", "items", 18);
}

TEST(TiledTilesets, TilesAreTheTileSheetAndKindsHaveOneMarkerEach) {
    const QImage sheet = Load(kData + "/obr/sc1");
    const QImage tiles = Load(kData + "/tiled/tiles.png");
    ASSERT_EQ(tiles.size(), sheet.size());
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            ASSERT_EQ(tiles.pixel(x, y), sheet.pixel(x, y) | 0xFF000000u) << x << "," << y;

    const QImage kinds = Load(kData + "/tiled/kinds.png");
    ASSERT_EQ(kinds.width(), 200);
    ASSERT_EQ(kinds.height(), 20);
    // Half see-through, so the pictures below show, and no two alike.
    for (int k = 0; k < 10; ++k) {
        const QImage marker = kinds.copy(k * 20, 0, 20, 20);
        EXPECT_GT(qAlpha(marker.pixel(4, 16)), 0) << k;
        EXPECT_LT(qAlpha(marker.pixel(4, 16)), 255) << k;
        for (int other = 0; other < k; ++other)
            EXPECT_NE(marker, kinds.copy(other * 20, 0, 20, 20)) << k << " " << other;
    }
}

}  // namespace
