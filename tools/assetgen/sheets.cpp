#include "sheets.h"

#include <stdexcept>

namespace assetgen {

namespace {

QImage BlackSheet(int width, int height) {
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    return sheet;
}

// Writes a sprite's colours at (ix, iy) and its shape at (mx, my).
void PutMasked(QImage& sheet, const QImage& sprite, int ix, int iy, int mx, int my) {
    for (int y = 0; y < sprite.height(); ++y) {
        for (int x = 0; x < sprite.width(); ++x) {
            const QRgb p = sprite.pixel(x, y);
            const bool solid = qAlpha(p) != 0;
            sheet.setPixel(ix + x, iy + y, solid ? (p | 0xFF000000u) : qRgb(0, 0, 0));
            sheet.setPixel(mx + x, my + y, solid ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
}

void RequireSize(const QImage& image, int width, int height, const char* what) {
    if (image.width() != width || image.height() != height) {
        throw std::logic_error(std::string(what) + " has the wrong size");
    }
}

}  // namespace

std::vector<QImage> ImagesOf(const std::vector<Picture>& pictures) {
    std::vector<QImage> images;
    for (const Picture& p : pictures)
        images.push_back(p.image);
    return images;
}

QImage TileSheet(const std::vector<Picture>& tiles) {
    QImage sheet = BlackSheet(static_cast<int>(tiles.size()) * kTileSize, kTileSize);
    for (int p = 0; p < static_cast<int>(tiles.size()); ++p) {
        RequireSize(tiles[p].image, kTileSize, kTileSize, "a tile");
        for (int y = 0; y < kTileSize; ++y) {
            for (int x = 0; x < kTileSize; ++x) {
                sheet.setPixel(p * kTileSize + x, y, tiles[p].image.pixel(x, y) | 0xFF000000u);
            }
        }
    }
    return sheet;
}

QImage MaskedStrip(const std::vector<QImage>& sprites, int size) {
    QImage sheet = BlackSheet(static_cast<int>(sprites.size()) * size, 2 * size);
    for (int p = 0; p < static_cast<int>(sprites.size()); ++p) {
        RequireSize(sprites[p], size, size, "a masked picture");
        PutMasked(sheet, sprites[p], p * size, 0, p * size, size);
    }
    return sheet;
}

QImage MissileAndBombSheet(const QImage& missile, const QImage& bomb) {
    RequireSize(missile, 4, 4, "the missile");
    RequireSize(bomb, 8, 8, "the bomb");
    QImage sheet = BlackSheet(16, 16);
    PutMasked(sheet, missile, 2, 2, 2, 10);
    PutMasked(sheet, bomb, 8, 0, 8, 8);
    return sheet;
}

QImage ExplosionSheet(const std::vector<QImage>& frames, const QImage& fragment) {
    RequireSize(fragment, 12, 12, "the bomb fragment");
    QImage strip = MaskedStrip(frames, kTileSize);
    QImage sheet = BlackSheet(240, 40);
    for (int y = 0; y < strip.height(); ++y) {
        for (int x = 0; x < strip.width(); ++x)
            sheet.setPixel(x, y, strip.pixel(x, y));
    }
    PutMasked(sheet, fragment, 223, 3, 223, 23);
    return sheet;
}

}  // namespace assetgen
