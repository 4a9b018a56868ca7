// For the end-to-end checks, which see the screen's windows from outside but
// not the layers inside one: with KARVELUN_LAYER_LOG naming a file, every
// layer that opens or closes appends a line "shown <class>" or "hidden
// <class>" to it ("shown game::Form5").  Without it nothing is written.
#pragma once

class QWidget;

namespace platform {

void NoteLayer(const QWidget& layer, bool shown);

}  // namespace platform
