// What the question, load and save dialogs share: two buttons printed on the
// window by a fast timer, glowing while chosen, with their outlines; the
// pointer and the Left, Right and Enter keys choose them, and every choice
// ends in the dialog's DialogItems.
#pragma once

#include <QListWidget>
#include <QTimer>

#include "game/desktop/background_window.h"
#include "game/menu/dialog_buttons.h"
#include "game/windows/glow_canvas.h"
#include "game/windows/pad_navigation.h"

namespace game {

// A list box of the dialogs.  Nothing in it is chosen until the player
// chooses: the first Down picks the first entry.
class DialogList : public QListWidget {
    Q_OBJECT
  public:
    explicit DialogList(QWidget* parent);

    // The chosen entry, or nullptr.
    QListWidgetItem* SelectedEntry() const;

  protected:
    void focusInEvent(QFocusEvent* event) override;
};

// A frame one game pixel wide just inside `area` (game pixels), in the
// bronze of the dialogs' buttons.
void PaintOutline(QPainter& painter, const platform::ViewPlacement& view, const Rect& area);

class DialogWindow : public platform::BackgroundWindow, public PadNavigation {
    Q_OBJECT
  public:
    // The dialogs' size in the game's pixels; the load dialog is wider.
    static constexpr int kDialogWidth = 312;
    static constexpr int kDialogHeight = 213;

    DialogWindow(const DialogButtonsLayout& layout, QWidget* parent, int width = kDialogWidth);

    // Animates the buttons.
    QTimer* Timer1;
    // Selected, Highlighted, Brightness and ItemRects of the two buttons.
    DialogGlow Buttons;

    // Shows the dialog modally; returns once DialogItems has hidden it (or
    // the game is shutting down).
    void ShowModally();

    // Carries out button ix (0 the first, 1 the second).
    virtual void DialogItems(int16_t ix) = 0;

    // One tick: prints the captions in their glow, brightens the chosen one
    // and fades the other, lets the sound library free finished sounds.
    void Timer1_Timer();
    // What the window shows below its controls.
    const QImage& Canvas() const { return canvas_.Image(); }

    void Form_KeyDown(int16_t keyCode);
    void Form_MouseMove(float x, float y) override;
    void Form_MouseDown(float x, float y) override;

    // The pad: Up and Down choose in the list of saves and Left and Right a
    // button, wherever the keyboard was -- the keyboard follows them there,
    // so that Enter then acts on what they chose; B is the second button.
    QWidget& PadKeyTarget(int16_t keyCode, QWidget& focus) override;
    bool HasWayBack() const override { return true; }
    void GoBack() override { DialogItems(1); }

  protected:
    // The list of saves the dialog offers, if any.
    virtual DialogList* SavesList() { return nullptr; }

    // What is read aloud as the dialog opens: its chosen entry, or else its
    // chosen button.
    virtual QString SpokenOnOpening();
    QString ChosenButtonCaption() const;

    // The control that has the keyboard when the dialog opens; none means
    // the window itself.
    virtual QWidget* FirstFocus() { return nullptr; }

    // How a list dialog's DialogItems begins: the click; the second button
    // closes the dialog; the first acts on the entry chosen in SavesList,
    // which this returns.  Nullptr: closed, or nothing chosen to act on.
    QListWidgetItem* EntryToOpen(int16_t ix);

    // Enter on either keyboard block.  A held Enter's repeats are ignored
    // everywhere: they must not answer a question that has just opened.
    static bool IsEnterKey(const QKeyEvent& event);

    void keyPressEvent(QKeyEvent* event) override;
    void PaintContent(QPainter& painter) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The window manager's close button acts as the second button.
    void closeEvent(QCloseEvent* event) override;

  private:
    // Prints the two captions in their present glow.
    void PrintButtons();

    DialogButtonsLayout layout_;
    GlowCanvas canvas_;
};

// The look of the dialogs' lists and name box: bold 8.25 point on black.
void StyleDialogControl(QWidget& control, const QColor& textColour);

}  // namespace game
