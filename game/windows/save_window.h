// The save dialog (Form7): a name box over the list of saves (filled by the main
// menu, without the quick save), "Uložit" and "Zpět".  Saving under a listed
// name asks first.  The name box opens holding a proposed name, all of it
// chosen so that typing replaces it; the pad's X opens a letter grid over
// the list to write another.
#pragma once

#include <QLineEdit>

#include "game/menu/letter_grid.h"
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

    // Puts `name` into the name box, all of it chosen.
    void ProposeName(const QString& name);

    // The letter grid: open over the list while the pad writes a name.
    bool LetterGridOpen() const { return gridOpen_; }
    const LetterGrid& Grid() const { return grid_; }
    void OpenLetterGrid();
    void CloseLetterGrid();

    // X opens the letter grid; while it is open the arrows move in it, A
    // presses the chosen cell, and B or X close it.
    bool TakePadKey(int16_t keyCode, bool pressed, bool autoRepeat) override;

  protected:
    DialogList* SavesList() override { return List1; }
    QWidget* FirstFocus() override { return Text1; }
    bool eventFilter(QObject* watched, QEvent* event) override;
    void PaintContent(QPainter& painter) override;
    void hideEvent(QHideEvent* event) override;

  private:
    // The chosen cell pressed on the name box.
    void PressGridCell();

    LetterGrid grid_;
    bool gridOpen_ = false;
};

}  // namespace game
