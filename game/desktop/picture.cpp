#include "game/desktop/picture.h"

#include <QImageReader>

namespace platform {

std::optional<QImage> LoadPictureImage(const std::string& path, std::string* error) {
    QImageReader reader(QString::fromStdString(path));
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull()) {
        if (error) *error = reader.errorString().toStdString();
        return std::nullopt;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

std::optional<PixelSurface> LoadPictureFile(const std::string& path, std::string* error) {
    auto image = LoadPictureImage(path, error);
    if (!image) return std::nullopt;
    PixelSurface surface(image->width(), image->height());
    for (int y = 0; y < image->height(); ++y) {
        const auto* line = reinterpret_cast<const uint32_t*>(image->constScanLine(y));
        for (int x = 0; x < image->width(); ++x)
            surface.at(x, y) = line[x] | kBlackPixel;
    }
    return surface;
}

}  // namespace platform
