// The game's pad layer handing its keys to the game's windows, with a
// virtual pad plugged in: what a test fixture adds to drive the real
// windows by pad.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWindow>
#include <memory>
#include <string>

#include "game/desktop/gamepad.h"
#include "game/windows/pad_delivery.h"
#include "gamepad/virtual_pad.h"

namespace gamepad_testing {

class PadFixture {
  protected:
    // Starts the pad layer and plugs the pad.  Only a pad that SDL itself
    // cannot attach skips the test; a pad the game does not see fails it.
    void PlugPad() {
        padLayer = std::make_unique<platform::Gamepad>(delivery);
        ASSERT_TRUE(padLayer->Started()) << "SDL's game-controller layer did not start";
        padLayer->SetClock([this] { return nowMs; });
        std::string why;
        if (!pad.Plug(&why)) GTEST_SKIP() << "SDL cannot attach a virtual pad: " << why;
        padLayer->Poll();
        ASSERT_EQ(padLayer->PadCount(), 1) << "the game did not see the plugged pad";
    }
    void UnplugPad() {
        pad.Unplug();
        padLayer.reset();
    }

    // A button pressed or let go; the pad layer reads it at once.
    void Push(int button) {
        Settle();
        pad.Button(button, true);
        padLayer->Poll();
    }
    void LetGo(int button) {
        Settle();
        pad.Button(button, false);
        padLayer->Poll();
    }
    void Tap(int button) {
        Push(button);
        LetGo(button);
    }
    // A press that opens a window shown modally comes back only once that
    // window has closed: the button is let go inside it, before the next
    // thing the pad does there, or afterwards if nothing was done.
    void PushAndLetGo(int button) {
        Settle();
        pad.Button(button, true);
        letGo_ = button;
        padLayer->Poll();
        Settle();
    }
    void Stick(int x, int y) {
        Settle();
        pad.Stick(x, y);
        padLayer->Poll();
    }
    // Time passes for the repeats of held keys.
    void Wait(int64_t ms) {
        Settle();
        nowMs += ms;
        padLayer->Poll();
    }

    // True once `widget` has the keyboard (activation may come a moment
    // after the show on a busy machine).
    static bool KeysIn(QWidget* widget) {
        return QTest::qWaitFor([widget] { return QApplication::focusWidget() == widget; }, 5000);
    }
    // A dialog over its owner may count as active while its owner still has
    // the keyboard: the application's active window tells.
    static bool Active(QWidget& window) {
        if (QWindow* handle = window.window()->windowHandle()) handle->requestActivate();
        return QTest::qWaitFor([&] { return QApplication::activeWindow() == window.window(); });
    }

    game::PadDelivery delivery;
    std::unique_ptr<platform::Gamepad> padLayer;
    VirtualPad pad;
    int64_t nowMs = 1000;

  private:
    void Settle() {
        if (letGo_ < 0) return;
        pad.Button(letGo_, false);
        letGo_ = -1;
        padLayer->Poll();
    }
    int letGo_ = -1;
};

}  // namespace gamepad_testing
