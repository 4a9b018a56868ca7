#pragma once

#include <QImage>
#include <vector>

#include "catalog.h"

namespace assetgen {

// The seven sheets as the game cuts them: every picture at its fixed place,
// masks black where the picture is and white where the field shows through,
// images coloured on black.
QImage TileSheet(const std::vector<Picture>& tiles);
QImage MaskedStrip(const std::vector<QImage>& sprites, int size);
QImage MissileAndBombSheet(const QImage& missile, const QImage& bomb);
QImage ExplosionSheet(const std::vector<QImage>& frames, const QImage& fragment);

std::vector<QImage> ImagesOf(const std::vector<Picture>& pictures);

}  // namespace assetgen
