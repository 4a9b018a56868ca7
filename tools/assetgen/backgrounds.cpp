#include "backgrounds.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "catalog.h"
#include "colour.h"
#include "sprite.h"
#include "texture.h"

namespace assetgen {

namespace {

constexpr QRgb kBlack = 0xFF000000;

// Large dark blocks of the cave wall that frames every window.
QImage StoneWall(int width, int height, int brickWidth, int brickHeight, double brightness,
                 uint64_t seed) {
    Rng rng(seed);
    QImage wall(width, height, QImage::Format_RGB32);
    const CellMap cells = BrickCells(width, height, brickWidth, brickHeight);
    std::vector<QRgb> colours;
    for (int i = 0; i < 97; ++i)
        colours.push_back(Vary(Scale(pal::kStone, brightness), 0.12, rng));
    PaintCells(
        wall, cells, [&](int id) { return colours[id % colours.size()]; },
        {Scale(pal::kMortar, 0.7), 0.9, 0.05, false}, rng);
    // Weathering: soft blotches across the blocks.
    const auto noise = ValueNoise(width, height, 24, rng);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            wall.setPixel(x, y, Scale(wall.pixel(x, y), 0.82 + 0.3 * noise[y * width + x]));
        }
    }
    return wall;
}

// The rim of a panel sunk into the wall: shaded along the top and left,
// where the wall overhangs it, lit at the bottom and right.
void SunkenRim(QImage& image, const QRect& inside) {
    for (int ring = 1; ring <= 2; ++ring) {
        const QRect r = inside.adjusted(-ring, -ring, ring, ring);
        const double strength = ring == 1 ? 1.0 : 0.6;
        for (int x = r.left(); x <= r.right(); ++x) {
            image.setPixel(x, r.top(), Shaded(image.pixel(x, r.top()), strength));
            image.setPixel(x, r.bottom(), Lit(image.pixel(x, r.bottom()), strength));
        }
        for (int y = r.top() + 1; y < r.bottom(); ++y) {
            image.setPixel(r.left(), y, Shaded(image.pixel(r.left(), y), strength));
            image.setPixel(r.right(), y, Lit(image.pixel(r.right(), y), strength));
        }
    }
}

void Recess(QImage& image, const QRect& inside, QRgb fill) {
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            image.setPixel(x, y, fill);
    }
    SunkenRim(image, inside);
}

// A thin bronze rule with a dark groove under it.
void Rule(QImage& image, int x0, int x1, int y) {
    const QRgb bronze = qRgb(120, 92, 44);
    for (int x = x0; x <= x1; ++x) {
        const double fade = std::min({1.0, (x - x0) / 24.0, (x1 - x) / 24.0});
        image.setPixel(x, y, Mix(kBlack, bronze, fade));
        image.setPixel(x, y + 1, Mix(kBlack, Scale(bronze, 0.4), fade));
    }
}

void Stud(QImage& image, int cx, int cy) {
    QImage stud(5, 5, QImage::Format_ARGB32);
    stud.fill(Qt::transparent);
    ShadedDisc(stud, 2.5, 2.5, 2.5, pal::kGold);
    // ShadedDisc paints opaque pixels only inside the disc; mark them.
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            if (std::hypot(x + 0.5 - 2.5, y + 0.5 - 2.5) <= 2.5)
                stud.setPixel(x, y, stud.pixel(x, y) | 0xFF000000u);
        }
    }
    CastShadow(image, stud, cx - 2, cy - 2, 0.4);
    Stamp(image, stud, cx - 2, cy - 2);
}

// Letters cut into the stone and filled with gold (or silver): a gradient
// from top to bottom, lit upper-left edges, a dark rim and a cast shadow.
void CarvedText(QImage& image, const QString& text, QFont font, int pixelSize, const QRect& box,
                QRgb top, QRgb bottom) {
    font.setPixelSize(pixelSize);
    QImage shape(box.size(), QImage::Format_ARGB32);
    shape.fill(Qt::transparent);
    {
        QPainter painter(&shape);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(shape.rect(), Qt::AlignCenter, text);
    }
    auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < shape.width() && y < shape.height() &&
               qAlpha(shape.pixel(x, y)) > 110;
    };
    int first = shape.height();
    int last = 0;
    for (int y = 0; y < shape.height(); ++y) {
        for (int x = 0; x < shape.width(); ++x) {
            if (inside(x, y)) {
                first = std::min(first, y);
                last = std::max(last, y);
            }
        }
    }
    const double span = std::max(1, last - first);
    for (int y = -1; y <= shape.height(); ++y) {
        for (int x = -1; x <= shape.width(); ++x) {
            const int ix = box.left() + x;
            const int iy = box.top() + y;
            if (ix < 0 || iy < 0 || ix >= image.width() || iy >= image.height()) continue;
            if (inside(x, y)) {
                QRgb c = Mix(top, bottom, (y - first) / span);
                if (!inside(x - 1, y) || !inside(x, y - 1)) c = Lit(c, 0.8);
                if (!inside(x + 1, y) || !inside(x, y + 1)) c = Shaded(c, 0.7);
                image.setPixel(ix, iy, c);
            } else if (inside(x - 1, y) || inside(x + 1, y) || inside(x, y - 1) ||
                       inside(x, y + 1)) {
                image.setPixel(ix, iy, pal::kOutline);
            } else if (inside(x - 2, y - 2) || inside(x - 3, y - 3)) {
                image.setPixel(ix, iy, Scale(image.pixel(ix, iy), 0.35));
            }
        }
    }
}

QImage Enlarged(const QImage& sprite, int factor) {
    return sprite.scaled(sprite.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void Torch(QImage& image, int x, int y, int zoom) {
    const QImage torch = TorchSprite();
    AddGlow(image, x + 4 * zoom, y + 4 * zoom, 26.0 * zoom, qRgb(255, 140, 50), 0.5);
    const QImage big = Enlarged(torch, zoom);
    CastShadow(image, big, x + zoom, y + zoom);
    Stamp(image, big, x, y);
}

// The gate under the title of the menu: an arch over stairs that lead down
// into the cave, two torches, and the hero at the threshold.
void GateScene(QImage& image, const QRect& panel) {
    Rng rng(31337);
    const QImage wall = StoneWall(panel.width(), panel.height(), 30, 12, 0.55, 77);
    for (int y = 0; y < panel.height(); ++y) {
        for (int x = 0; x < panel.width(); ++x)
            image.setPixel(panel.left() + x, panel.top() + y, wall.pixel(x, y));
    }
    const double cx = panel.left() + panel.width() / 2.0;
    const double springY = panel.top() + 118;  // where the arch starts to curve
    const double halfWidth = 58;
    const double stone = 11;
    const int bottom = panel.bottom();
    for (int y = panel.top(); y <= bottom; ++y) {
        for (int x = panel.left(); x <= panel.right(); ++x) {
            const double dx = x + 0.5 - cx;
            const double dy = y + 0.5 - springY;
            const double r = dy < 0 ? std::hypot(dx, dy) : std::fabs(dx);
            if (r < halfWidth) {
                // The opening: steps going down, darker with depth.
                const double depth = std::clamp((bottom - y) / 150.0, 0.0, 1.0);
                const int step = (bottom - y) / 9;
                const int inStep = (bottom - y) % 9;
                QRgb c = Scale(pal::kStone, 0.95 * (1.0 - depth) * (1.0 - depth) + 0.02);
                if (inStep == 8) c = Lit(c, 0.9);
                if (inStep < 2) c = Shaded(c, 0.8);
                if (std::fabs(dx) > halfWidth - 6 - step * 0.8) c = Scale(c, 0.55);  // side walls
                image.setPixel(x, y, Vary(c, 0.04, rng));
            } else if (r < halfWidth + stone) {
                // Voussoirs round the arch and jambs down its sides.
                const double a = dy < 0 ? std::atan2(-dy, dx) : 0.0;
                const int block = dy < 0 ? static_cast<int>(a / (std::numbers::pi / 11))
                                         : static_cast<int>(dy / 16);
                QRgb c = Scale(pal::kStone, 0.95 + 0.08 * (block % 2));
                const double across = r - halfWidth;
                if (across < 1.2) c = Shaded(c, 0.8);
                if (across > stone - 1.2) c = Lit(c, 0.6);
                const double seamA = std::fmod(a, std::numbers::pi / 11);
                if ((dy < 0 && seamA < 0.02) || (dy >= 0 && std::fmod(dy, 16.0) < 1.0))
                    c = pal::kMortar;
                image.setPixel(x, y, Vary(c, 0.04, rng));
            }
        }
    }
    // Warm light rising from far below.
    AddGlow(image, cx, springY + 10, 40, qRgb(255, 120, 40), 0.25);
    Torch(image, static_cast<int>(cx - halfWidth - stone - 30), panel.top() + 120, 3);
    Torch(image, static_cast<int>(cx + halfWidth + stone + 6), panel.top() + 120, 3);
    // The hero seen from behind, about to go down.
    const QImage hero = Enlarged(HeroPictures().at(1).image, 4);
    const int hx = static_cast<int>(cx - hero.width() / 2.0);
    const int hy = bottom - hero.height() - 4;
    CastShadow(image, hero, hx + 2, hy + 2, 0.5);
    Stamp(image, hero, hx, hy);
}

}  // namespace

QImage GameWindowBackground(const QFont& font) {
    QImage bg = StoneWall(779, 516, 36, 14, 0.5, 11);
    Recess(bg, QRect(8, 8, 500, 500), kBlack);      // the play field
    Recess(bg, QRect(520, 8, 249, 97), kBlack);     // the message log
    Recess(bg, QRect(516, 113, 256, 320), kBlack);  // the status labels
    // Rules between the groups of labels, clear of every label.
    for (int y : {172, 239, 306, 372})
        Rule(bg, 524, 764, y);
    Recess(bg, QRect(516, 442, 256, 66), Scale(pal::kStoneDark, 0.35));
    CarvedText(bg, "KARVELUN", font, 30, QRect(516, 444, 256, 62), qRgb(255, 226, 140),
               qRgb(168, 104, 30));
    for (auto [x, y] :
         {std::pair{4, 4}, std::pair{774, 4}, std::pair{4, 511}, std::pair{774, 511}}) {
        Stud(bg, x, y);
    }
    return bg;
}

QImage DialogBackground() {
    QImage bg = StoneWall(312, 213, 24, 10, 0.5, 12);
    // Lists, labels, the name box and the drawn buttons all sit inside.
    Recess(bg, QRect(6, 6, 301, 202), kBlack);
    for (auto [x, y] :
         {std::pair{2, 2}, std::pair{309, 2}, std::pair{2, 210}, std::pair{309, 210}}) {
        Stud(bg, x, y);
    }
    return bg;
}

QImage MenuBackground(const QFont& font) {
    QImage bg = StoneWall(483, 416, 40, 16, 0.45, 13);
    CarvedText(bg, "ORVANE", font, 20, QRect(0, 10, 483, 30), qRgb(230, 230, 240),
               qRgb(120, 124, 140));
    CarvedText(bg, "KARVELUN", font, 64, QRect(0, 36, 483, 84), qRgb(255, 230, 150),
               qRgb(160, 96, 24));
    // The menu prints its six items into this panel itself.
    const QRect menu(18, 134, 176, 274);
    Recess(bg, menu, kBlack);
    for (int y = menu.top(); y <= menu.bottom(); ++y) {
        for (int x = menu.left(); x <= menu.right(); ++x) {
            // A faint warm glow at the top of an otherwise black panel.
            const double t = std::max(0.0, 1.0 - (y - menu.top()) / 40.0);
            bg.setPixel(x, y, Mix(kBlack, qRgb(40, 24, 12), 0.4 * t * t));
        }
    }
    // A thin bronze border inside the panel, clear of the items' hit areas
    // (x 25 to 184).
    const QRgb bronze = qRgb(96, 72, 36);
    for (int x = menu.left() + 3; x <= menu.right() - 3; ++x) {
        bg.setPixel(x, menu.top() + 3, bronze);
        bg.setPixel(x, menu.bottom() - 3, Scale(bronze, 0.7));
    }
    for (int y = menu.top() + 3; y <= menu.bottom() - 3; ++y) {
        bg.setPixel(menu.left() + 3, y, bronze);
        bg.setPixel(menu.right() - 3, y, Scale(bronze, 0.7));
    }
    const QRect scene(206, 134, 259, 274);
    GateScene(bg, scene);
    SunkenRim(bg, scene);
    for (auto [x, y] :
         {std::pair{5, 5}, std::pair{477, 5}, std::pair{5, 410}, std::pair{477, 410}}) {
        Stud(bg, x, y);
    }
    return bg;
}

}  // namespace assetgen
