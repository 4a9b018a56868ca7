// Loading the game's picture files (PNG content, no extension) into pixels.
#pragma once

#include <QImage>
#include <optional>
#include <string>

#include "game/platform/surface.h"

namespace platform {

// The picture as an opaque 32-bit image; the format is found from the file's
// content, not its name.  On failure: nothing, and *error says why.
std::optional<QImage> LoadPictureImage(const std::string& path, std::string* error);

// The same picture as a pixel surface for the block transfers.
std::optional<PixelSurface> LoadPictureFile(const std::string& path, std::string* error);

}  // namespace platform
