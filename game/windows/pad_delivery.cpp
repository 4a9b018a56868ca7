#include "game/windows/pad_delivery.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "game/core/game_state.h"
#include "game/platform/keys.h"
#include "game/windows/game_window.h"
#include "game/windows/load_window.h"
#include "game/windows/menu_window.h"
#include "game/windows/save_window.h"

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

DialogList* SavesListOf(QWidget& dialog) {
    if (auto* load = qobject_cast<Form6*>(&dialog)) return load->List1;
    if (auto* save = qobject_cast<Form7*>(&dialog)) return save->List1;
    return nullptr;
}

// In a dialog Up and Down choose in the list of saves and Left and Right
// choose a button, wherever the keyboard was: the keyboard follows them
// there, so that Enter then acts on what they chose.
QWidget& DialogTarget(DialogWindow& dialog, int16_t keyCode, QWidget& focus) {
    if (keyCode == vk::Up || keyCode == vk::Down) {
        if (DialogList* list = SavesListOf(dialog)) {
            if (!list->hasFocus()) list->setFocus(Qt::OtherFocusReason);
            return *list;
        }
    } else if (keyCode == vk::Left || keyCode == vk::Right) {
        if (!dialog.hasFocus()) dialog.setFocus(Qt::OtherFocusReason);
        return dialog;
    }
    return focus;
}

// B: the way back out of the menu and the dialogs.
bool HasWayBack(QWidget& window) {
    return qobject_cast<DialogWindow*>(&window) || qobject_cast<Form3*>(&window);
}

void GoBack(QWidget& window) {
    if (auto* dialog = qobject_cast<DialogWindow*>(&window))
        dialog->DialogItems(1);
    else if (auto* menu = qobject_cast<Form3*>(&window); menu && CanResume)
        menu->MenuItems(kMenuResume);
}

}  // namespace

platform::PadLayout PadDelivery::LayoutNow() {
    QWidget* focus = KeyboardWidget();
    if (focus && qobject_cast<Form1*>(focus->window())) return platform::PadLayout::Play;
    return platform::PadLayout::Navigation;
}

void PadDelivery::PadKeyDown(int16_t keyCode, bool autoRepeat) {
    QWidget* focus = KeyboardWidget();
    if (!focus) return;
    QWidget& window = *focus->window();
    if (auto* game = qobject_cast<Form1*>(&window)) {
        game->Picture1_GameKeyDown({keyCode, 0}, autoRepeat);
        return;
    }
    if (keyCode == vk::Escape && HasWayBack(window)) {
        // A held B goes back once, not on through the windows behind.
        if (!autoRepeat) GoBack(window);
        return;
    }
    if (auto* dialog = qobject_cast<DialogWindow*>(&window)) {
        SendKey(DialogTarget(*dialog, keyCode, *focus), keyCode, true, autoRepeat);
        return;
    }
    SendKey(*focus, keyCode, true, autoRepeat);
}

void PadDelivery::PadKeyUp(int16_t keyCode) {
    QWidget* focus = KeyboardWidget();
    if (!focus) return;
    if (auto* game = qobject_cast<Form1*>(focus->window())) {
        game->Picture1_GameKeyUp({keyCode, 0});
        return;
    }
    SendKey(*focus, keyCode, false, false);
}

}  // namespace game
