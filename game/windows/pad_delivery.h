// Where the game pad's keys go: to the window that has the keyboard, as the
// keyboard's own keys would.  In the game window they are the commands of
// play; in the menu and the dialogs the pad's B goes back ("Zpět" of the
// menu while it is offered, "Zpět" of the load and save dialogs, "Ne" of the
// question), its arrows move through the list of saves (Up, Down) and the
// dialog's two buttons (Left, Right); elsewhere its keys arrive as key
// presses (Enter closes a notice or a message box).  Nothing reaches the
// game while another program has the keyboard.  A pad key that reaches a
// window makes the texts name the pad's buttons (game/core/key_text.h).
#pragma once

#include "game/desktop/gamepad.h"

class QWidget;

namespace game {

class PadDelivery final : public platform::PadKeyReceiver {
  public:
    platform::PadLayout LayoutNow() override;
    void PadKeyDown(int16_t keyCode, bool autoRepeat) override;
    void PadKeyUp(int16_t keyCode) override;
};

}  // namespace game
