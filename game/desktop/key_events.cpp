#include "game/desktop/key_events.h"

#include <QKeyEvent>

namespace platform {

std::optional<VirtualKey> VirtualKeyOf(const QKeyEvent& event) {
    VirtualKey key;
    Qt::KeyboardModifiers mods = event.modifiers();
    if (mods & Qt::ShiftModifier) key.shift |= kShiftMask;
    if (mods & Qt::ControlModifier) key.shift |= kCtrlMask;
    if (mods & Qt::AltModifier) key.shift |= kAltMask;

    int qtKey = event.key();
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        key.keyCode = static_cast<int16_t>('A' + (qtKey - Qt::Key_A));
        return key;
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        key.keyCode = static_cast<int16_t>('0' + (qtKey - Qt::Key_0));
        return key;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        key.keyCode = static_cast<int16_t>(vk::F1 + (qtKey - Qt::Key_F1));
        return key;
    }
    switch (qtKey) {
        case Qt::Key_Up:
            key.keyCode = vk::Up;
            break;
        case Qt::Key_Down:
            key.keyCode = vk::Down;
            break;
        case Qt::Key_Left:
            key.keyCode = vk::Left;
            break;
        case Qt::Key_Right:
            key.keyCode = vk::Right;
            break;
        case Qt::Key_Control:
            key.keyCode = vk::Control;
            break;
        case Qt::Key_Shift:
            key.keyCode = vk::Shift;
            break;
        case Qt::Key_Alt:
            key.keyCode = vk::Menu;
            break;
        case Qt::Key_Space:
            key.keyCode = vk::Space;
            break;
        case Qt::Key_Escape:
            key.keyCode = vk::Escape;
            break;
        case Qt::Key_Pause:
            key.keyCode = vk::Pause;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            key.keyCode = vk::Return;
            break;
        case Qt::Key_Backspace:
            key.keyCode = vk::Back;
            break;
        case Qt::Key_Tab:
            key.keyCode = vk::Tab;
            break;
        case Qt::Key_PageUp:
            key.keyCode = vk::Prior;
            break;
        case Qt::Key_PageDown:
            key.keyCode = vk::Next;
            break;
        case Qt::Key_Home:
            key.keyCode = vk::Home;
            break;
        case Qt::Key_End:
            key.keyCode = vk::End;
            break;
        case Qt::Key_Insert:
            key.keyCode = vk::Insert;
            break;
        case Qt::Key_Delete:
            key.keyCode = vk::Delete;
            break;
        default:
            return std::nullopt;
    }
    return key;
}

bool IsRealKeyRelease(const QKeyEvent& event) {
    return event.type() == QEvent::KeyRelease && !event.isAutoRepeat();
}

}  // namespace platform
