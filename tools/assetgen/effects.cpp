// Missile, bomb, fragment, the explosion and the wall-to-floor effect.  The
// masks are all or nothing, so fading fire and dust are dithered.
#include <algorithm>
#include <cmath>

#include "catalog.h"
#include "colour.h"
#include "rng.h"
#include "sprite.h"
#include "texture.h"

namespace assetgen {

namespace {

constexpr int kFrames = 11;
constexpr int kSize = 20;

// Ordered dither thresholds in (0, 1).
double Bayer(int x, int y) {
    static const int kMatrix[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (kMatrix[y & 3][x & 3] + 0.5) / 16.0;
}

QImage Empty(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QRgb FireColour(double heat) {
    if (heat > 0.75) return qRgb(255, 250, 220);
    if (heat > 0.55) return qRgb(255, 226, 110);
    if (heat > 0.38) return qRgb(255, 160, 40);
    if (heat > 0.2) return qRgb(226, 84, 24);
    if (heat > 0.05) return qRgb(140, 40, 20);
    return qRgb(112, 104, 102);  // smoke
}

}  // namespace

QImage MissileSprite() {
    Legend inks;
    inks.Set('O', qRgb(255, 180, 40), false).Set('Y', qRgb(255, 255, 210), false);
    return PaintSprite({".OO.", "OYYO", "OYYO", ".OO."}, inks, {false, false});
}

QImage BombSprite() {
    Legend inks;
    inks.Set('i', qRgb(118, 120, 140))  // iron, light enough to show on any floor
        .Set('h', qRgb(190, 190, 210), false)
        .Set('k', qRgb(150, 110, 60), false);
    inks.Set('Y', qRgb(255, 240, 140), false).Set('f', qRgb(255, 120, 20), false);
    return PaintSprite(
        {
            ".....fY.",
            "....k.f.",
            ".ooooko.",
            "oiiiiiio",
            "oihiiiio",
            "oiiiiiio",
            "oiiiiiio",
            ".oooooo.",
        },
        inks, {true, false});
}

QImage FragmentSprite() {
    QImage fragment = Empty(12);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            const double d = std::hypot(x + 0.5 - 6.0, y + 0.5 - 6.0) / 5.2;
            if (d >= 1.0) continue;
            // Solid heart, ragged dithered rim; it burns orange to its rim,
            // never the dark red of a dying fire, so that it shows on any floor.
            if (d > 0.7 && Bayer(x, y) > (1.0 - d) * 3.0) continue;
            fragment.setPixel(x, y, FireColour(1.0 - 0.8 * d));
        }
    }
    return fragment;
}

std::vector<QImage> ExplosionFrames() {
    std::vector<QImage> frames;
    for (int f = 0; f < kFrames; ++f) {
        Rng rng(5000 + f);
        const double t = f / double(kFrames - 1);
        // A flash that swells to fill the tile by the fifth frame, then a
        // cooling fireball that breaks up into smoke.
        const double grow = std::min(1.0, f / 4.0);
        const double radius =
            3.0 + 7.2 * (1.0 - (1.0 - grow) * (1.0 - grow)) + std::max(0, f - 4) * 0.15;
        const auto noise = ValueNoise(kSize, kSize, 5, rng);
        QImage frame = Empty(kSize);
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                const double n = noise[y * kSize + x];
                const double threshold = rng.Unit();
                const double d = std::hypot(x + 0.5 - 10, y + 0.5 - 10) / radius + (n - 0.5) * 0.35;
                if (d >= 1.0) continue;
                const double heat = (1.0 - d) * 1.35 - t * 1.15;
                const double fade = t < 0.5 ? 1.0 : 1.0 - (t - 0.5) / 0.5 * 0.85;
                const double density = t < 0.5 ? 1.0 : fade * (1.0 - 0.6 * d) * (0.7 + 0.6 * n);
                if (density < threshold) continue;
                QRgb c = FireColour(heat);
                if (heat <= 0.05) {
                    c = Scale(c, 0.7 + 0.6 * n);      // billowing smoke
                    if (x + y < 18) c = Lit(c, 0.5);  // lit side of the cloud
                }
                frame.setPixel(x, y, c);
            }
        }
        // Sparks thrown clear of the fireball in the first frames.
        for (int s = 0; s < std::max(0, 8 - f * 2); ++s) {
            const double a = rng.Unit() * 6.2832;
            const double r = radius + 1.0 + rng.Unit() * 2.5;
            const int x = static_cast<int>(10 + std::cos(a) * r);
            const int y = static_cast<int>(10 + std::sin(a) * r);
            if (x >= 0 && y >= 0 && x < kSize && y < kSize)
                frame.setPixel(x, y, qRgb(255, 230, 120));
        }
        frames.push_back(frame);
    }
    return frames;
}

std::vector<QImage> TileEffectFrames() {
    std::vector<QImage> frames;
    for (int f = 0; f < kFrames; ++f) {
        Rng rng(7000 + f);
        const double t = f / double(kFrames - 1);
        const double ring = 2.0 + 8.5 * std::sqrt(t);
        const auto noise = ValueNoise(kSize, kSize, 4, rng);
        QImage frame = Empty(kSize);
        // A ring of dust rolling outwards and settling.
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                const double n = noise[y * kSize + x];
                const double d = std::hypot(x + 0.5 - 10, y + 0.5 - 10);
                const double band = (d - ring) / (1.6 + 2.5 * t);
                const double density = std::exp(-band * band) * (1.0 - 0.88 * t) * (0.5 + 0.8 * n);
                if (density < rng.Unit()) continue;
                QRgb dust = Mix(qRgb(110, 98, 84), qRgb(200, 186, 160), n);
                if (y + 0.5 < 10 - 0.3 * (x - 10)) dust = Lit(dust, 0.4);  // lit side of the cloud
                frame.setPixel(x, y, dust);
            }
        }
        // Magic sparks: a bright star at first, then scattered glints.
        if (f < 3) {
            const int arm = 3 + f * 2;
            for (int i = -arm; i <= arm; ++i) {
                const QRgb spark = std::abs(i) < 2 ? qRgb(255, 255, 255) : qRgb(140, 230, 255);
                frame.setPixel(10 + i, 10, spark);
                frame.setPixel(10, 10 + i, spark);
                if (std::abs(i) <= arm / 2) {
                    frame.setPixel(std::clamp(10 + i, 0, 19), std::clamp(10 + i, 0, 19), spark);
                    frame.setPixel(std::clamp(10 + i, 0, 19), std::clamp(10 - i, 0, 19), spark);
                }
            }
        }
        for (int s = 0; s < std::max(0, 12 - f); ++s) {
            const int x = rng.Range(1, 18);
            const int y = rng.Range(1, 18);
            frame.setPixel(x, y, s % 3 == 0 ? qRgb(255, 255, 255) : qRgb(120, 220, 255));
        }
        frames.push_back(frame);
    }
    return frames;
}

}  // namespace assetgen
