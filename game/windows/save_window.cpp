#include "game/windows/save_window.h"

#include <QKeyEvent>

#include "game/core/game_state.h"
#include "game/core/windows.h"
#include "game/levels/save_games.h"
#include "game/levels/save_names.h"
#include "game/menu/menu_sounds.h"
#include "game/platform/keys.h"
#include "game/play/game_flow.h"
#include "game/windows/menu_links.h"
#include "game/windows/menu_window.h"
#include "game/windows/question_window.h"

namespace game {

Form7::Form7(QWidget* parent) : DialogWindow(kSaveButtons, parent) {
    List1 = new DialogList(this);
    List1->setGeometry(8, 8, 297, 132);
    StyleDialogControl(*List1, QColor(255, 128, 0));
    List1->installEventFilter(this);
    connect(List1, &QListWidget::itemClicked, this, [this] { List1_Click(); });
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] { List1_Click(); });

    Text1 = new QLineEdit(this);
    Text1->setGeometry(8, 146, 297, 18);
    StyleDialogControl(*Text1, QColor(255, 0, 0));
    Text1->installEventFilter(this);
    MenuLinks().save = this;
}

Form7::~Form7() {
    UnlinkWindow(MenuLinks().save, this);
}

void Form7::DialogItems(int16_t ix) {
    PlayClick();
    if (ix != 0) {
        hide();
        return;
    }
    QString name = Text1->text();
    if (SaveNameRefused(name.toStdString())) return;

    for (int i = 0; i < List1->count(); ++i) {
        if (List1->item(i)->text() != name) continue;
        if (!AskPlayer(kOverwriteQuestion)) return;
    }

    hide();
    if (Form3* menu = MenuLinks().menu) menu->hide();
    if (SaveChosenGame(name.toStdString())) Windows().ResumeGameWindow();
}

void Form7::List1_Click() {
    if (QListWidgetItem* chosen = List1->SelectedEntry()) Text1->setText(chosen->text());
}

void Form7::List1_KeyDown(int16_t keyCode) {
    // The entry chosen before the key; a key that moves the choice puts the
    // new one in straight after.
    List1_Click();
    if (keyCode == platform::vk::Return) DialogItems(0);
}

bool Form7::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return DialogWindow::eventFilter(watched, event);
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    if (watched == List1) {
        if (IsEnterKey(*keyEvent) && keyEvent->isAutoRepeat()) return true;
        auto key = platform::VirtualKeyOf(*keyEvent);
        List1_KeyDown(key ? key->keyCode : int16_t{0});
        // Enter is the list's last word; the other keys move the choice.
        return IsEnterKey(*keyEvent);
    }
    if (watched == Text1 && IsEnterKey(*keyEvent)) {
        // Text1_KeyPress: Enter saves and reaches the box as no character.
        if (!keyEvent->isAutoRepeat()) DialogItems(0);
        return true;
    }
    return DialogWindow::eventFilter(watched, event);
}

}  // namespace game
