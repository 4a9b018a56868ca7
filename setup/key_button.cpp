#include "setup/key_button.h"

#include <QKeyEvent>

#include "setup/chosen_keys.h"

namespace setup {
namespace {

bool IsModifierKey(int key) {
    return key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

}  // namespace

KeyButton::KeyButton(QWidget* parent) : QPushButton(parent) {
    // Enter starts waiting as Space and a click do.
    setAutoDefault(true);
}

void KeyButton::SetKey(int key) {
    key_ = key;
    StopWaiting();
}

void KeyButton::StartWaiting() {
    waiting_ = true;
    heldModifier_ = 0;
    setText(QStringLiteral("Stiskněte…"));
    setFocus(Qt::OtherFocusReason);
}

void KeyButton::StopWaiting() {
    waiting_ = false;
    heldModifier_ = 0;
    setText(KeyCaption(key_));
}

bool KeyButton::event(QEvent* event) {
    if (waiting_) {
        // Tab would walk the focus away and shortcuts would take their keys
        // first: while waiting, every key is the button's.
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QPushButton::event(event);
}

void KeyButton::keyPressEvent(QKeyEvent* event) {
    if (!waiting_) {
        QPushButton::keyPressEvent(event);
        return;
    }
    event->accept();
    // A key held since before waiting began (the Enter that clicked the
    // button) repeats: that is no choice.
    if (event->isAutoRepeat()) return;
    const int key = event->key();
    if (IsModifierKey(key)) {
        heldModifier_ = key;
        return;
    }
    heldModifier_ = 0;
    emit KeyOffered(key, event->modifiers());
}

void KeyButton::keyReleaseEvent(QKeyEvent* event) {
    if (!waiting_) {
        QPushButton::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat() || event->key() != heldModifier_) return;
    heldModifier_ = 0;
    emit KeyOffered(event->key(), Qt::NoModifier);
}

void KeyButton::focusOutEvent(QFocusEvent* event) {
    if (waiting_) StopWaiting();
    QPushButton::focusOutEvent(event);
}

}  // namespace setup
