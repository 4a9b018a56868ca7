// The question window (Form5): "Ano" / "Ne", shown modally whenever going on
// would lose or overwrite something.  Its answer goes back to whoever asked.
#pragma once

#include <QLabel>

#include "game/platform/last_run_end.h"
#include "game/platform/shown_text.h"
#include "game/windows/dialog_window.h"

namespace game {

inline constexpr const char* kLoseGameQuestion =
    SHOWN_TEXT("Question", "Opravdu chcete ztratit neuloženou hru?");
inline constexpr const char* kOverwriteQuestion =
    SHOWN_TEXT("Question", "Opravdu chcete přepsat tuto pozici?");

// The answer a question opens with, chosen and glowing.
enum class Answer { kYes, kNo };

class Form5 : public DialogWindow {
    Q_OBJECT
  public:
    explicit Form5(QWidget* parent = nullptr);
    ~Form5() override;

    // The question; "Opravdu chcete ztratit neuloženou hru?" between
    // questions, whatever Ask last asked.
    QLabel* Label1;

    // Asks the question (in the player's language, its %1 filled with
    // `number`) modally, opening with `preset` chosen and glowing, and
    // returns the answer: true for "Ano", false for "Ne", Esc or the close
    // button.  The label then shows the usual question again.
    bool Ask(const char* question, Answer preset, int32_t number = 0);
    // The last answer: true for "Ano".
    bool Agreed() const { return agreed_; }

    // 0 "Ano", 1 "Ne": the answer is kept, and the window hides.
    void DialogItems(int16_t ix) override;

  protected:
    // The question and the answer chosen.
    QString SpokenOnOpening() override;

  private:
    bool agreed_ = false;
};

// Asks the player through the game's question window: true when he says
// "Ano" and the program goes on (there is no answer while it shuts down, nor
// without a question window).
bool AskPlayer(const char* question, Answer preset, int32_t number = 0);

// At start, in place of the menu, after a run that did not end by its
// shut-down: with an autosave to go on from, asks whether to; "Ano" loads it
// and shows the game as the load dialog does.  True when the menu is not to
// be shown (the game is, or the program is ending); false for the menu,
// the autosaves kept.
bool GoOnAfterLastRun(platform::LastRunEnd lastEnd);

}  // namespace game
