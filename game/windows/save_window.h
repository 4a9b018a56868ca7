// The save dialog (Form7): a name box over the list of saves (filled by the main
// menu, without the quick save), "Uložit" and "Zpět".  Saving under a listed
// name asks first.
#pragma once

#include <QLineEdit>

#include "game/windows/dialog_window.h"

namespace game {

class Form7 : public DialogWindow {
    Q_OBJECT
  public:
    explicit Form7(QWidget* parent = nullptr);
    ~Form7() override;

    // The saves; choosing one puts its name into the name box.
    DialogList* List1;
    // The name to save under.
    QLineEdit* Text1;

    // 0 "Uložit": saves under the typed name and returns to the game (a
    // refused name does nothing); 1 "Zpět": back to the menu.
    void DialogItems(int16_t ix) override;

    void List1_Click();
    void List1_KeyDown(int16_t keyCode);

  protected:
    DialogList* SavesList() override { return List1; }
    QWidget* FirstFocus() override { return Text1; }
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace game
