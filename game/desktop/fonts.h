// The game's one typeface, DejaVu Sans Bold from data/fonts, at fixed pixel
// sizes: the windows were laid out on a 96 dpi screen, so 8.25 pt is 11 px,
// 9.75 pt 13 px and 12 pt 16 px whatever the desktop's DPI setting.
#pragma once

#include <QFont>
#include <QString>

namespace platform {

// Registers the bundled font file; false when it is missing or unreadable
// (the game then falls back to the system's DejaVu Sans).
bool LoadGameFont(const QString& fontFile);

// Pixel size of a point size of the original layout.
int PixelSizeOfPoints(double points);

// The bold game font at a point size of the original layout.
QFont GameFont(double points);

}  // namespace platform
