#include "game/windows/pad_delivery.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "game/core/key_text.h"
#include "game/desktop/background_window.h"
#include "game/platform/keys.h"
#include "game/windows/pad_navigation.h"

namespace game {
namespace {

namespace vk = platform::vk;

// The widget that has the keyboard, or nullptr while another program has it.
QWidget* KeyboardWidget() {
    if (QWidget* focus = QApplication::focusWidget()) return focus;
    return QApplication::activeWindow();
}

int QtKeyOf(int16_t keyCode) {
    switch (keyCode) {
        case vk::Up:
            return Qt::Key_Up;
        case vk::Down:
            return Qt::Key_Down;
        case vk::Left:
            return Qt::Key_Left;
        case vk::Right:
            return Qt::Key_Right;
        case vk::Return:
            return Qt::Key_Return;
        case vk::Escape:
            return Qt::Key_Escape;
        case vk::Space:
            return Qt::Key_Space;
        case vk::Control:
            return Qt::Key_Control;
        case vk::Pause:
            return Qt::Key_Pause;
        case vk::F1:
            return Qt::Key_F1;
        case vk::F5:
            return Qt::Key_F5;
        case vk::F7:
            return Qt::Key_F7;
        default:
            return 0;
    }
}

QString TextOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Return:
            return QStringLiteral("\r");
        case Qt::Key_Escape:
            return QStringLiteral("\x1b");
        case Qt::Key_Space:
            return QStringLiteral(" ");
        default:
            return QString();
    }
}

// A key event as the keyboard would send it to the widget.
void SendKey(QWidget& target, int16_t keyCode, bool pressed, bool autoRepeat) {
    const int qtKey = QtKeyOf(keyCode);
    if (qtKey == 0) return;
    QKeyEvent event(pressed ? QEvent::KeyPress : QEvent::KeyRelease, qtKey, Qt::NoModifier,
                    TextOf(qtKey), autoRepeat);
    QCoreApplication::sendEvent(&target, &event);
}

// The window that has the keyboard, as the pad sees it: in full screen a
// dialog is a layer inside the window it opened over, and the search stops
// at the layer, so that the window beneath never takes a B meant for the
// credits over it.
PadNavigation* NavigationOf(QWidget& focus) {
    for (QWidget* widget = &focus; widget; widget = widget->parentWidget()) {
        if (auto* navigation = dynamic_cast<PadNavigation*>(widget)) return navigation;
        if (widget->isWindow() || dynamic_cast<platform::BackgroundWindow*>(widget)) break;
    }
    return nullptr;
}

}  // namespace

platform::PadLayout PadDelivery::LayoutNow() {
    QWidget* focus = KeyboardWidget();
    PadNavigation* window = focus ? NavigationOf(*focus) : nullptr;
    return window ? window->PadLayoutWanted() : platform::PadLayout::Navigation;
}

void PadDelivery::PadKeyDown(int16_t keyCode, bool autoRepeat) {
    QWidget* focus = KeyboardWidget();
    if (!focus) return;
    PadKeyUsed();
    PadNavigation* window = NavigationOf(*focus);
    if (window && window->TakePadKey(keyCode, true, autoRepeat)) return;
    if (keyCode == vk::Escape && window && window->HasWayBack()) {
        // A held B goes back once, not on through the windows behind.
        if (!autoRepeat) window->GoBack();
        return;
    }
    SendKey(window ? window->PadKeyTarget(keyCode, *focus) : *focus, keyCode, true, autoRepeat);
}

void PadDelivery::PadKeyUp(int16_t keyCode) {
    QWidget* focus = KeyboardWidget();
    if (!focus) return;
    PadNavigation* window = NavigationOf(*focus);
    if (window && window->TakePadKey(keyCode, false, false)) return;
    SendKey(*focus, keyCode, false, false);
}

}  // namespace game
