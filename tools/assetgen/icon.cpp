#include "icon.h"

#include <QPainter>
#include <stdexcept>

#include "sprite.h"

namespace assetgen {

const std::vector<int>& IconSizes() {
    static const std::vector<int> sizes = {16, 32, 48, 64, 128, 256};
    return sizes;
}

QImage IconPixels(const ArtSet& art) {
    QImage icon(kIconPixels, kIconPixels, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    // The cave opening: a dark disc with a stone rim, drawn pixel by pixel so
    // that the edge stays hard at every size.
    const QRgb rim = qRgb(0x6b, 0x5a, 0x48), dark = qRgb(0x16, 0x14, 0x1c);
    const double centre = (kIconPixels - 1) / 2.0;
    for (int y = 0; y < kIconPixels; ++y) {
        for (int x = 0; x < kIconPixels; ++x) {
            const double dx = x - centre, dy = y - centre;
            const double distance = dx * dx + dy * dy;
            if (distance <= 7.0 * 7.0) {
                icon.setPixel(x, y, dark);
            } else if (distance <= 8.1 * 8.1) {
                icon.setPixel(x, y, rim);
            }
        }
    }
    if (art.hero.empty()) throw std::runtime_error("no hero picture for the icon");
    // The hero facing the player, a missile flying off to his right.
    Stamp(icon, art.hero[0].image, 0, 1);
    Stamp(icon, art.missile, kIconPixels - art.missile.width() - 1, 3);
    return icon;
}

QImage IconAtSize(const QImage& pixels, int size) {
    if (size <= 0 || size % pixels.width() != 0)
        throw std::runtime_error("an icon size must be a whole multiple of its pixels");
    return pixels.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QString IconSvg(const QImage& pixels) {
    QString svg = QStringLiteral(
                      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                      "viewBox=\"0 0 %1 %1\" shape-rendering=\"crispEdges\">\n")
                      .arg(pixels.width());
    for (int y = 0; y < pixels.height(); ++y) {
        int x = 0;
        while (x < pixels.width()) {
            const QRgb colour = pixels.pixel(x, y);
            int end = x + 1;
            while (end < pixels.width() && pixels.pixel(end, y) == colour)
                ++end;
            if (qAlpha(colour) != 0) {
                svg += QStringLiteral(
                           "<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"1\" "
                           "fill=\"#%4\"/>\n")
                           .arg(x)
                           .arg(y)
                           .arg(end - x)
                           .arg(colour & 0xffffff, 6, 16, QLatin1Char('0'));
            }
            x = end;
        }
    }
    svg += QStringLiteral("</svg>\n");
    return svg;
}

}  // namespace assetgen
