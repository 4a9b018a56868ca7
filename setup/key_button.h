// A button that shows a command's key and, once clicked, takes the next key
// pressed as the command's new one.  Every key counts while it waits, also
// Tab, Esc and Enter; a modifier (Ctrl, Shift, Alt) counts alone when it is
// released without another key, so that Alt+Enter reaches the window as the
// pair it is.  Waiting ends when the button loses the keyboard.
#pragma once

#include <QPushButton>

namespace setup {

class KeyButton : public QPushButton {
    Q_OBJECT
  public:
    explicit KeyButton(QWidget* parent = nullptr);

    int Key() const { return key_; }
    // Shows the key and stops waiting.
    void SetKey(int key);

    bool Waiting() const { return waiting_; }
    void StartWaiting();
    // Shows the key again.
    void StopWaiting();

  signals:
    // A key pressed while waiting; the window decides whether it is taken.
    void KeyOffered(int key, Qt::KeyboardModifiers modifiers);

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    int key_ = 0;
    bool waiting_ = false;
    // A modifier pressed while waiting, offered when it is let go alone.
    int heldModifier_ = 0;
};

}  // namespace setup
