#pragma once

#include <QFont>
#include <QImage>

#include "catalog.h"

namespace assetgen {

// Every picture enlarged four times with its number, sheet by sheet, for
// reviewing the art at a glance.
QImage ContactSheet(const ArtSet& art, const QFont& font);

}  // namespace assetgen
