// Tiled tilesets of the game's pictures for level designers: the floor and
// wall pictures, the monsters and the items as the game cuts them from its
// sheets, and a small tileset of tile kinds.
#pragma once

#include <QFont>
#include <QImage>
#include <QString>

#include "catalog.h"

namespace assetgen {

// A masked strip (images above, masks below) as one row of pictures with
// real transparency: a pixel is clear where the mask is white.
QImage TransparentStrip(const QImage& maskedStrip, int size);

// One marker per tile kind and one for "revealed", half see-through so the
// pictures below show.
QImage KindsStrip(const QFont& font);

// Writes tiles, monsters, items and kinds (.tsx and .png) into the folder.
void WriteTiledTilesets(const ArtSet& art, const QFont& font, const QString& folder);

}  // namespace assetgen
