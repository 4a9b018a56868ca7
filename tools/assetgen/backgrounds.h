#pragma once

#include <QFont>
#include <QImage>

namespace assetgen {

// The three window backgrounds.  The game prints its labels, lists, log and
// menu items over them, so every such place is left plain and dark.
QImage GameWindowBackground(const QFont& font);  // "gui", 779 x 516
QImage DialogBackground();                       // "gui2", 312 x 213
QImage MenuBackground(const QFont& font);        // "gui3", 483 x 416

}  // namespace assetgen
