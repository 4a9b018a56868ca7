#include "game/windows/load_window.h"

#include <QKeyEvent>

#include "game/core/game_state.h"
#include "game/core/windows.h"
#include "game/levels/save_games.h"
#include "game/menu/menu_sounds.h"
#include "game/menu/save_board.h"
#include "game/platform/keys.h"
#include "game/play/game_flow.h"
#include "game/windows/menu_links.h"
#include "game/windows/menu_window.h"
#include "game/windows/question_window.h"

namespace game {

Form6::Form6(QWidget* parent) : DialogWindow(kLoadButtons, parent) {
    List1 = new DialogList(this);
    List1->setGeometry(8, 8, 297, 158);
    StyleDialogControl(*List1, QColor(255, 128, 0));
    List1->installEventFilter(this);
    MenuLinks().load = this;
}

Form6::~Form6() {
    UnlinkWindow(MenuLinks().load, this);
}

void Form6::DialogItems(int16_t ix) {
    PlayClick();
    if (ix != 0) {
        hide();
        return;
    }
    QListWidgetItem* chosen = List1->SelectedEntry();
    if (!chosen) return;
    QString name = chosen->text();

    if (CanResume && !AskPlayer(kLoseGameQuestion)) return;

    // The save may have gone since the list was filled: say so and show
    // what is there now, instead of leaving for a game that cannot come.
    if (!SaveExists(name.toStdString())) {
        Windows().ShowMessageBox(kNoSaveLine, "Karvelun");
        if (Form3* menu = MenuLinks().menu) menu->FillBoard(*List1);
        return;
    }

    hide();
    if (Form3* menu = MenuLinks().menu) menu->hide();
    switch (LoadChosenGame(name.toStdString())) {
        case AfterLoad::kPlay:
            Windows().ResumeGameWindow();
            break;
        case AfterLoad::kMenu:
            Windows().ShowMainMenu();
            break;
        case AfterLoad::kShutDown:
            break;
    }
}

void Form6::List1_KeyDown(int16_t keyCode) {
    if (keyCode == platform::vk::Return) DialogItems(0);
}

bool Form6::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List1 && event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (IsEnterKey(*keyEvent)) {
            if (!keyEvent->isAutoRepeat()) List1_KeyDown(platform::vk::Return);
            return true;
        }
    }
    return DialogWindow::eventFilter(watched, event);
}

}  // namespace game
