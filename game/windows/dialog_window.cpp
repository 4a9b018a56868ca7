#include "game/windows/dialog_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

#include "game/core/game_state.h"
#include "game/core/music_director.h"
#include "game/core/speech.h"
#include "game/desktop/fonts.h"
#include "game/desktop/key_events.h"
#include "game/desktop/pacing.h"
#include "game/menu/menu_sounds.h"
#include "game/platform/keys.h"
#include "game/windows/language.h"

namespace game {
namespace {

const QColor kDialogColour(Qt::black);
// The outlines round the buttons' hit areas.
const QColor kOutlineColour(160, 112, 48);

}  // namespace

DialogList::DialogList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The entry chosen is read aloud.
    connect(this, &QListWidget::currentItemChanged, this, [](QListWidgetItem* now) {
        if (now) Speak(now->text().toStdString());
    });
}

QListWidgetItem* DialogList::SelectedEntry() const {
    QList<QListWidgetItem*> chosen = selectedItems();
    return chosen.isEmpty() ? nullptr : chosen.first();
}

void DialogList::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    // The view makes its first entry current on getting the keyboard, so
    // that Down would skip it; with nothing chosen, nothing is current.
    if (!SelectedEntry()) selectionModel()->clearCurrentIndex();
}

DialogWindow::DialogWindow(const DialogButtonsLayout& layout, QWidget* parent, int width)
    : BackgroundWindow(width, kDialogHeight, kDialogColour, parent),
      Buttons(NewDialogGlow(layout)),
      layout_(layout),
      canvas_(platform::GameFont(9.75)) {
    setWindowTitle(QStringLiteral("Karvelun"));
    SetReadsLarger(true);
    // The window takes the keyboard when it is given it (opening without a
    // control that wants it, Tab), never by a click: a click on a button
    // must leave the keys with the name box or the list that had them.
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &DialogWindow::Timer1_Timer);
    platform::SetTimerInterval(*Timer1, 1);
}

void DialogWindow::ShowModally() {
    if (QWidget* first = FirstFocus())
        first->setFocus();
    else
        setFocus();
    MusicOverlay lowered;
    platform::ShowModal(*this, [] { return ShutdownRequested; });
}

void DialogWindow::Timer1_Timer() {
    // A hidden dialog keeps its glow going but has nothing to show.
    if (isVisible()) PrintButtons();
    Buttons.Animate();
    FreeFinishedSounds();
}

void DialogWindow::PrintButtons() {
    if (canvas_.Follow(ScaledBackground(), Placement().Factor())) update();
    for (int16_t i = 0; i < Buttons.Count(); ++i) {
        // Only a caption whose glow changed goes to the screen again.
        const QString caption = Shown("Menu", layout_[i].caption);
        const int x = canvas_.CentredLike(caption, QString::fromUtf8(layout_[i].caption),
                                          layout_[i].captionX);
        UpdateDevicePixels(
            canvas_.Print(x, layout_[i].captionY, caption, QColor(255, Buttons.Brightness[i], 0)));
    }
}

void DialogWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        canvas_.Clear();
        update();
        if (isVisible()) PrintButtons();
    }
    BackgroundWindow::changeEvent(event);
}

void DialogWindow::showEvent(QShowEvent* event) {
    PrintButtons();
    BackgroundWindow::showEvent(event);
    Speak(SpokenOnOpening().toStdString());
}

QString DialogWindow::ChosenButtonCaption() const {
    if (Buttons.Selected < 0 || Buttons.Selected >= Buttons.Count()) return {};
    return Shown("Menu", layout_[Buttons.Selected].caption);
}

QString DialogWindow::SpokenOnOpening() {
    DialogList* list = SavesList();
    if (list && list->SelectedEntry()) return list->SelectedEntry()->text();
    return ChosenButtonCaption();
}

void DialogWindow::Form_KeyDown(int16_t keyCode) {
    const int16_t before = Buttons.Selected;
    const bool pressed = DialogKeyDown(Buttons, keyCode);
    if (Buttons.Selected != before) Speak(ChosenButtonCaption().toStdString());
    if (pressed) DialogItems(Buttons.Selected);
}

void DialogWindow::Form_MouseMove(float x, float y) {
    const int16_t before = Buttons.Selected;
    Buttons.PointerMoved(x, y);
    if (Buttons.Selected != before) Speak(ChosenButtonCaption().toStdString());
}

void DialogWindow::Form_MouseDown(float x, float y) {
    int16_t ix = Buttons.ItemClicked(x, y);
    if (ix >= 0) DialogItems(ix);
}

QListWidgetItem* DialogWindow::EntryToOpen(int16_t ix) {
    PlayClick();
    if (ix != 0) {
        hide();
        return nullptr;
    }
    DialogList* list = SavesList();
    return list ? list->SelectedEntry() : nullptr;
}

bool DialogWindow::IsEnterKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    // Esc is the way back wherever the keyboard is in the dialog.
    if (event->key() == Qt::Key_Escape) {
        if (!event->isAutoRepeat()) GoBack();
        return;
    }
    // Only the window's own keys: what a list or the name box lets through
    // is not the buttons' business.
    QWidget* focus = focusWidget();
    if (focus && focus != this) return;
    // A held Enter must not answer a question it has not seen.
    if (IsEnterKey(*event) && event->isAutoRepeat()) return;
    auto key = platform::VirtualKeyOf(*event);
    Form_KeyDown(key ? key->keyCode : int16_t{0});
}

void DialogWindow::PaintContent(QPainter& painter) {
    canvas_.Follow(ScaledBackground(), Placement().Factor());
    DrawDevicePixels(painter, 0, 0, canvas_.Image());
    // Shape1(0) and Shape1(1): outlines exactly on the hit areas, one game
    // pixel wide.
    for (const Rect& area : Buttons.ItemRects)
        PaintOutline(painter, Placement(), area);
}

void PaintOutline(QPainter& painter, const platform::ViewPlacement& view, const Rect& area) {
    const QColor& colour = kOutlineColour;
    const int left = view.UnitsX(area.Left), right = view.UnitsX(area.Right);
    const int top = view.UnitsY(area.Top), bottom = view.UnitsY(area.Bottom);
    const int innerLeft = view.UnitsX(area.Left + 1), innerRight = view.UnitsX(area.Right - 1);
    const int innerTop = view.UnitsY(area.Top + 1), innerBottom = view.UnitsY(area.Bottom - 1);
    painter.fillRect(QRect(left, top, right - left, innerTop - top), colour);
    painter.fillRect(QRect(left, innerBottom, right - left, bottom - innerBottom), colour);
    painter.fillRect(QRect(left, innerTop, innerLeft - left, innerBottom - innerTop), colour);
    painter.fillRect(QRect(innerRight, innerTop, right - innerRight, innerBottom - innerTop),
                     colour);
}

QWidget& DialogWindow::PadKeyTarget(int16_t keyCode, QWidget& focus) {
    if (keyCode == platform::vk::Up || keyCode == platform::vk::Down) {
        if (DialogList* list = SavesList()) {
            if (!list->hasFocus()) list->setFocus(Qt::OtherFocusReason);
            return *list;
        }
    } else if (keyCode == platform::vk::Left || keyCode == platform::vk::Right) {
        if (!hasFocus()) setFocus(Qt::OtherFocusReason);
        return *this;
    }
    return focus;
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    DialogItems(1);
}

void StyleDialogControl(QWidget& control, const QColor& textColour) {
    control.setFont(platform::GameFont(8.25));
    QPalette palette = control.palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::Text, textColour);
    palette.setColor(QPalette::WindowText, textColour);
    // The chosen entry in the menu's own colours rather than the desktop's.
    palette.setColor(QPalette::Highlight, QColor(96, 48, 0));
    palette.setColor(QPalette::HighlightedText, QColor(255, 255, 0));
    control.setPalette(palette);
}

}  // namespace game
