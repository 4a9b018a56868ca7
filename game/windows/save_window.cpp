#include "game/windows/save_window.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "game/core/game_state.h"
#include "game/core/windows.h"
#include "game/desktop/fonts.h"
#include "game/desktop/key_events.h"
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
        if (!AskPlayer(kOverwriteQuestion, Answer::kNo)) return;
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

void Form7::ProposeName(const QString& name) {
    CloseLetterGrid();
    Text1->setText(name);
    Text1->selectAll();
}

void Form7::OpenLetterGrid() {
    if (gridOpen_) return;
    gridOpen_ = true;
    grid_.Reset();
    // The grid lies over the list; the name box stays in sight below it.
    List1->hide();
    Text1->setFocus(Qt::OtherFocusReason);
    update();
}

void Form7::CloseLetterGrid() {
    if (!gridOpen_) return;
    gridOpen_ = false;
    List1->show();
    update();
}

void Form7::PressGridCell() {
    // The proposed name, still all chosen, goes as typing would replace it.
    if (grid_.Chosen().kind != LetterGrid::CellKind::Done && Text1->hasSelectedText()) Text1->del();
    std::string name = Text1->text().toStdString();
    if (grid_.Press(name, kMaxSaveNameLength)) {
        CloseLetterGrid();
        return;
    }
    Text1->setText(QString::fromStdString(name));
}

bool Form7::TakePadKey(int16_t keyCode, bool pressed, bool autoRepeat) {
    if (!gridOpen_) {
        if (keyCode != platform::vk::Apps) return false;
        if (pressed && !autoRepeat) OpenLetterGrid();
        return true;
    }
    // Every pad key is the grid's while it is open; releases change nothing.
    if (!pressed) return true;
    switch (keyCode) {
        case platform::vk::Up:
            grid_.Move(0, -1);
            break;
        case platform::vk::Down:
            grid_.Move(0, 1);
            break;
        case platform::vk::Left:
            grid_.Move(-1, 0);
            break;
        case platform::vk::Right:
            grid_.Move(1, 0);
            break;
        case platform::vk::Return:
            // A held A types once: a name is not written by holding.
            if (!autoRepeat) PressGridCell();
            break;
        case platform::vk::Escape:
        case platform::vk::Apps:
            if (!autoRepeat) CloseLetterGrid();
            break;
        default:
            break;
    }
    update();
    return true;
}

void Form7::PaintContent(QPainter& painter) {
    DialogWindow::PaintContent(painter);
    if (!gridOpen_) return;
    // Over the list's place (in game pixels): eleven columns by five rows.
    const QRect logical(8, 8, 297, 132);
    const platform::ViewPlacement& view = Placement();
    painter.fillRect(
        QRect(QPoint(view.UnitsX(logical.left()), view.UnitsY(logical.top())),
              QPoint(view.UnitsX(logical.right() + 1) - 1, view.UnitsY(logical.bottom() + 1) - 1)),
        Qt::black);
    QFont font = platform::GameFont(8.25);
    font.setPixelSize(std::max(
        1, static_cast<int>(std::lround(platform::PixelSizeOfPoints(8.25) * view.Unit()))));
    painter.setFont(font);
    for (int row = 0; row < LetterGrid::kRows; ++row) {
        for (int column = 0; column < LetterGrid::kColumns; ++column) {
            const int left = logical.left() + logical.width() * column / LetterGrid::kColumns;
            const int right =
                logical.left() + logical.width() * (column + 1) / LetterGrid::kColumns;
            const int top = logical.top() + logical.height() * row / LetterGrid::kRows;
            const int bottom = logical.top() + logical.height() * (row + 1) / LetterGrid::kRows;
            const QRect cell(QPoint(view.UnitsX(left), view.UnitsY(top)),
                             QPoint(view.UnitsX(right) - 1, view.UnitsY(bottom) - 1));
            const bool chosen = column == grid_.Column() && row == grid_.Row();
            if (chosen) painter.fillRect(cell, QColor(96, 48, 0));
            painter.setPen(chosen ? QColor(255, 255, 0) : QColor(255, 128, 0));
            painter.drawText(cell, Qt::AlignCenter,
                             QString::fromStdString(LetterGrid::CellAt(column, row).caption));
        }
    }
}

void Form7::hideEvent(QHideEvent* event) {
    // Moving into the full screen's window or out of it keeps the grid.
    if (!Moving()) CloseLetterGrid();
    DialogWindow::hideEvent(event);
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
