// The question window (Form5) ("Ano" / "Ne"), shown modally whenever going on would
// lose or overwrite something.  Its answer goes to the Refused fields of
// the main menu and the load and save dialogs.
#pragma once

#include <QLabel>

#include "game/windows/dialog_window.h"

namespace game {

inline constexpr const char* kLoseGameQuestion = "Opravdu chcete ztratit neuloženou hru?";
inline constexpr const char* kOverwriteQuestion = "Opravdu chcete přepsat tuto pozici?";

class Form5 : public DialogWindow {
    Q_OBJECT
  public:
    explicit Form5(QWidget* parent = nullptr);
    ~Form5() override;

    // The question; "Opravdu chcete ztratit neuloženou hru?" unless a caller
    // sets another.
    QLabel* Label1;

    // 0 "Ano", 1 "Ne": Refused becomes false or true, and the window hides.
    void DialogItems(int16_t ix) override;
};

}  // namespace game
