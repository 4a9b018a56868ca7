// The program's icon for the desktop's menus: the hero with a magic missile
// in a dark cave opening, pixel art like the game itself.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "catalog.h"

namespace assetgen {

// The icon's own pixels, kIconPixels square, transparent round the opening.
constexpr int kIconPixels = 16;
QImage IconPixels(const ArtSet& art);

// The pixels enlarged by a whole number, every pixel a sharp square.
QImage IconAtSize(const QImage& pixels, int size);

// The same pixels as a scalable SVG picture: one square per pixel, runs of
// one colour along a row joined into one rectangle, drawn without smoothing.
QString IconSvg(const QImage& pixels);

// The sizes of the desktop's hicolor icon folders, each a whole multiple of
// the icon's own pixels.
const std::vector<int>& IconSizes();

}  // namespace assetgen
