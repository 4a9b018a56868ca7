// The load dialog (Form6): the list of saves (filled by the main menu, the
// newest chosen), "Nahrát" and "Zpět".  Loading while a game is under way
// asks first.
#pragma once

#include "game/windows/dialog_window.h"

namespace game {

class Form6 : public DialogWindow {
    Q_OBJECT
  public:
    explicit Form6(QWidget* parent = nullptr);
    ~Form6() override;

    // The saves.
    DialogList* List1;

    // 0 "Nahrát": loads the chosen save and returns to the game;
    // 1 "Zpět": back to the menu.
    void DialogItems(int16_t ix) override;

    void List1_KeyDown(int16_t keyCode);

  protected:
    DialogList* SavesList() override { return List1; }
    QWidget* FirstFocus() override { return List1; }
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace game
