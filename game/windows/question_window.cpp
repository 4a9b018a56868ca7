#include "game/windows/question_window.h"

#include <algorithm>

#include "game/core/game_state.h"
#include "game/core/terminal.h"
#include "game/core/windows.h"
#include "game/menu/menu_sounds.h"
#include "game/play/game_flow.h"
#include "game/play/going_on.h"
#include "game/windows/floor_title.h"
#include "game/windows/language.h"
#include "game/windows/menu_links.h"
#include "game/windows/window_style.h"

namespace game {

Form5::Form5(QWidget* parent) : DialogWindow(kQuestionButtons, parent) {
    Label1 = MakeLabel(this, QRect(8, 8, 297, 49), QColor(255, 128, 0), 9.75,
                       Shown("Question", kLoseGameQuestion));
    Label1->setFocusPolicy(Qt::NoFocus);
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    MenuLinks().question = this;
}

Form5::~Form5() {
    UnlinkWindow(MenuLinks().question, this);
}

bool Form5::Ask(const char* question, Answer preset, int32_t number) {
    agreed_ = false;
    QString text = Shown("Question", question);
    if (text.contains(QLatin1String("%1"))) text = text.arg(number);
    Label1->setText(text);
    // Whatever was chosen the last time, the question opens with its own
    // answer lit, so that Enter takes it.
    Buttons.Selected = preset == Answer::kYes ? 0 : 1;
    Buttons.ClearHighlights();
    Buttons.HighlightSelected();
    Buttons.Brightness.fill(0);
    Buttons.Brightness[Buttons.Selected] = kGlowFull;
    ShowModally();
    Label1->setText(Shown("Question", kLoseGameQuestion));
    return agreed_;
}

QString Form5::SpokenOnOpening() {
    return Label1->text() + QLatin1Char(' ') + ChosenButtonCaption();
}

void Form5::DialogItems(int16_t ix) {
    PlayClick();
    agreed_ = ix == 0;
    hide();
}

bool AskPlayer(const char* question, Answer preset, int32_t number) {
    Form5* window = MenuLinks().question;
    if (!window) return false;
    const bool agreed = window->Ask(question, preset, number);
    return agreed && !ShutdownRequested;
}

bool GoOnAfterLastRun(platform::LastRunEnd lastEnd) {
    const std::optional<GoOnOffer> offer = OfferToGoOn(lastEnd, NewestAutosave());
    if (!offer) return false;
    QString question = Shown("Question", offer->question);
    if (question.contains(QLatin1String("%1")))
        question = question.arg(FloorTitle(offer->level, offer->levelName));
    // The terminal has the question in its own language, on one line.
    std::string echo = WithNames(InTerminalLanguage("Question", offer->question),
                                 {FloorTitleOnTerminal(offer->level, offer->levelName)}) +
                       " (" + offer->autosave + ")";
    std::replace(echo.begin(), echo.end(), '\n', ' ');
    TellLine(echo);
    Windows().HideProgress();
    if (!AskPlayer(question.toUtf8().constData(), Answer::kYes)) return ShutdownRequested;
    switch (LoadChosenGame(offer->autosave)) {
        case AfterLoad::kPlay:
            Windows().ResumeGameWindow();
            return true;
        case AfterLoad::kMenu:
            return false;
        case AfterLoad::kShutDown:
            break;
    }
    return true;
}

}  // namespace game
