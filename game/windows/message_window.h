// The game's message box: a title, a text and "OK" on black in the dialogs'
// bronze, as high as its text needs.  Being one of the game's windows, in
// full screen it is a layer over the window it opens above.  Enter, Space,
// Esc, a click on "OK", the pad's A or B and the close button close it.
#pragma once

#include <QLabel>
#include <QString>

#include "game/desktop/background_window.h"
#include "game/windows/pad_navigation.h"

namespace game {

class MessageWindow : public platform::BackgroundWindow, public PadNavigation {
    Q_OBJECT
  public:
    MessageWindow(const QString& title, const QString& text, QWidget* parent = nullptr);

    static constexpr int kWidth = 312;

    QLabel* Title;
    QLabel* Text;

    // Shows the message and waits until the player closes it.
    void ShowModally();

    bool HasWayBack() const override { return true; }
    void GoBack() override { hide(); }

    void Form_MouseDown(float x, float y) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void PaintContent(QPainter& painter) override;
};

}  // namespace game
