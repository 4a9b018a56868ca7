// The main menu (Form3): seven items printed on the "gui3" picture that glow from red
// to yellow while chosen, chosen with the arrows or the pointer and run with
// Enter or a click.  It also fills the load and save dialogs' lists.
#pragma once

#include <QListWidget>
#include <QTimer>

#include "game/desktop/background_window.h"
#include "game/menu/menu_rules.h"
#include "game/windows/glow_canvas.h"
#include "game/windows/pad_navigation.h"

namespace game {

class Form6;

class Form3 : public platform::BackgroundWindow, public PadNavigation {
    Q_OBJECT
  public:
    explicit Form3(QWidget* parent = nullptr);
    ~Form3() override;

    // Animates the menu; stopped while a game runs.
    QTimer* Timer1;
    // Selected, Highlighted, Brightness and ItemRects of the seven items.
    MenuGlow Items;

    // Runs an item: 0 new game, 1 load, 2 save, 3 back to the game,
    // 4 settings, 5 credits, 6 exit.
    void MenuItems(int16_t ix);
    // Fills the load dialog's list with the saved games, each listed once by
    // name, newest first, and chooses the newest.
    void FillBoard(Form6& Forma);

    // One tick: prints the items in their glow, brightens the chosen one
    // and fades the others, lets the sound library free finished sounds.
    void Timer1_Timer();
    // What the window shows.
    const QImage& Canvas() const { return canvas_.Image(); }

    void Form_KeyDown(int16_t keyCode, int16_t shift);
    // Chooses an item and lets it glow (the menu reached by Esc during a
    // game opens at "Zpět").
    void ChooseItem(int16_t item);
    void Form_MouseMove(float x, float y) override;
    void Form_MouseDown(float x, float y) override;

    // The pad's B is "Zpět" while it is offered, and nothing else.
    bool HasWayBack() const override { return true; }
    void GoBack() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void PaintContent(QPainter& painter) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Closing the menu window ends the game through the game window's unload.
    void closeEvent(QCloseEvent* event) override;

  private:
    // Prints the seven items in their present colours.
    void PrintItems();
    // Reads the chosen item aloud (when the player asked for it).
    void SpeakChosen();
    void NewGame();
    void ShowCredits();
    void ShowSettings();
    void ShowLoadDialog();
    void ShowSaveDialog();

    GlowCanvas canvas_;
};

}  // namespace game
