#include "colour.h"

#include <algorithm>
#include <cmath>

#include "rng.h"

namespace assetgen {

namespace {
int Clamp(double v) {
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}
}  // namespace

QRgb Rgb(int r, int g, int b) {
    return qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
}

QRgb Mix(QRgb a, QRgb b, double t) {
    return qRgb(Clamp(qRed(a) + (qRed(b) - qRed(a)) * t),
                Clamp(qGreen(a) + (qGreen(b) - qGreen(a)) * t),
                Clamp(qBlue(a) + (qBlue(b) - qBlue(a)) * t));
}

QRgb Scale(QRgb c, double factor) {
    return qRgb(Clamp(qRed(c) * factor), Clamp(qGreen(c) * factor), Clamp(qBlue(c) * factor));
}

QRgb Lit(QRgb c, double amount) {
    const QRgb brighter = Scale(c, 1.0 + 0.35 * amount);
    return Mix(brighter, qRgb(255, 236, 190), 0.12 * amount);
}

QRgb Shaded(QRgb c, double amount) {
    const QRgb darker = Scale(c, 1.0 - 0.38 * amount);
    return Mix(darker, qRgb(20, 14, 40), 0.18 * amount);
}

QRgb Vary(QRgb c, double spread, Rng& rng) {
    return Scale(c, 1.0 + spread * (rng.Unit() * 2.0 - 1.0));
}

}  // namespace assetgen
