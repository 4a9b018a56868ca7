#include "sprite.h"

#include <algorithm>
#include <stdexcept>

#include "colour.h"

namespace assetgen {

Legend::Legend() {
    Set('o', pal::kOutline, false);
}

Legend& Legend::Set(char key, QRgb colour, bool shaded) {
    inks_.at(static_cast<unsigned char>(key)) = Ink{colour | 0xFF000000u, shaded};
    return *this;
}

const Ink* Legend::Find(char key) const {
    const auto& ink = inks_.at(static_cast<unsigned char>(key) & 0x7F);
    return ink ? &*ink : nullptr;
}

namespace {

bool IsBlank(char c) {
    return c == '.' || c == ' ';
}

// Outside of the shape for the purpose of lighting: empty, off the map, or
// the outline itself.
bool IsOutside(const PixelMap& rows, const Legend& legend, int x, int y) {
    if (y < 0 || y >= static_cast<int>(rows.size())) return true;
    if (x < 0 || x >= static_cast<int>(rows[y].size())) return true;
    const char c = rows[y][x];
    if (IsBlank(c)) return true;
    const Ink* ink = legend.Find(c);
    return ink && ink->colour == (pal::kOutline | 0xFF000000u);
}

QRgb ShadeAt(const PixelMap& rows, const Legend& legend, int x, int y, QRgb base) {
    const bool lit = IsOutside(rows, legend, x, y - 1) || IsOutside(rows, legend, x - 1, y);
    const bool dark = IsOutside(rows, legend, x, y + 1) || IsOutside(rows, legend, x + 1, y);
    if (lit && !dark) return Lit(base, 0.8);
    if (dark && !lit) return Shaded(base, 0.8);
    return base;
}

}  // namespace

QImage PaintSprite(const PixelMap& rows, const Legend& legend, SpriteStyle style) {
    if (rows.empty()) throw std::invalid_argument("empty pixel map");
    const int width = static_cast<int>(rows.front().size());
    const int height = static_cast<int>(rows.size());
    QImage sprite(width, height, QImage::Format_ARGB32);
    sprite.fill(Qt::transparent);
    for (int y = 0; y < height; ++y) {
        if (static_cast<int>(rows[y].size()) != width) {
            throw std::invalid_argument("ragged pixel map row: " + rows[y]);
        }
        for (int x = 0; x < width; ++x) {
            const char c = rows[y][x];
            if (IsBlank(c)) continue;
            const Ink* ink = legend.Find(c);
            if (!ink) throw std::invalid_argument(std::string("no ink for '") + c + "'");
            const QRgb colour =
                ink->shaded && style.shade ? ShadeAt(rows, legend, x, y, ink->colour) : ink->colour;
            sprite.setPixel(x, y, colour | 0xFF000000u);
        }
    }
    if (style.outline) AddOutline(sprite, pal::kOutline, style.rimAtEdges);
    return sprite;
}

PixelMap MirrorMap(const PixelMap& rows) {
    PixelMap mirrored = rows;
    for (auto& row : mirrored)
        std::reverse(row.begin(), row.end());
    return mirrored;
}

void AddOutline(QImage& sprite, QRgb colour, bool atEdges) {
    const QImage before = sprite.copy();
    const int w = before.width();
    const int h = before.height();
    auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && qAlpha(before.pixel(x, y)) != 0;
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (opaque(x, y)) {
                const bool onEdge = x == 0 || y == 0 || x == w - 1 || y == h - 1;
                if (atEdges && onEdge) sprite.setPixel(x, y, colour | 0xFF000000u);
                continue;
            }
            if (opaque(x - 1, y) || opaque(x + 1, y) || opaque(x, y - 1) || opaque(x, y + 1)) {
                sprite.setPixel(x, y, colour | 0xFF000000u);
            }
        }
    }
}

void Stamp(QImage& target, const QImage& sprite, int x, int y) {
    for (int sy = 0; sy < sprite.height(); ++sy) {
        for (int sx = 0; sx < sprite.width(); ++sx) {
            const QRgb p = sprite.pixel(sx, sy);
            const int tx = x + sx;
            const int ty = y + sy;
            if (qAlpha(p) == 0 || tx < 0 || ty < 0 || tx >= target.width() ||
                ty >= target.height()) {
                continue;
            }
            target.setPixel(tx, ty, p | 0xFF000000u);
        }
    }
}

QImage TorchSprite() {
    Legend legend;
    legend.Set('i', pal::kIron).Set('w', pal::kWood).Set('f', qRgb(255, 120, 20), false);
    legend.Set('y', qRgb(255, 220, 90), false).Set('h', qRgb(255, 255, 210), false);
    return PaintSprite(
        {
            "...f....",
            "..fyf...",
            "..fyyf..",
            ".fyhyf..",
            ".fyhhyf.",
            "..fyyf..",
            "..iwwi..",
            "...ww...",
            "..iwwi..",
            "...ii...",
            "....i...",
        },
        legend);
}

}  // namespace assetgen
