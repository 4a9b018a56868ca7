// Images the window tests compare what is shown with.
#pragma once

#include <QImage>
#include <QSize>
#include <random>

namespace testing_support {

// Opaque pixels of random colours, the same for the same seed.
inline QImage Noise(QSize size, unsigned seed) {
    std::mt19937 random(seed);
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, 0xFF000000u | (random() & 0xFFFFFFu));
    return image;
}

// Every pixel of `small` as a scale x scale block: what the windows must
// show at that scale, written the slow and obvious way.
inline QImage Enlarged(const QImage& small, int scale) {
    const QImage source = small.convertToFormat(QImage::Format_RGB32);
    QImage big(small.size() * scale, QImage::Format_RGB32);
    for (int y = 0; y < big.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y / scale));
        auto* out = reinterpret_cast<QRgb*>(big.scanLine(y));
        for (int x = 0; x < big.width(); ++x)
            out[x] = in[x / scale];
    }
    return big;
}

}  // namespace testing_support
