// Qt's key events as the game's virtual keys (game/platform/keys.h).
#pragma once

#include <optional>

#include "game/platform/keys.h"

class QKeyEvent;

namespace platform {

// The virtual key of a Qt key event, or nothing for keys the game has no
// code for.
std::optional<VirtualKey> VirtualKeyOf(const QKeyEvent& event);

// True for a real release.  While a key is held, X11 sends release/press
// pairs marked as auto-repeat: those releases are not key-ups.
bool IsRealKeyRelease(const QKeyEvent& event);

}  // namespace platform
