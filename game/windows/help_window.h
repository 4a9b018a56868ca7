// The help window, opened by F1 (or the pad's Y) during play: the keys of
// this run and the pad's buttons with what each does, and a few tips that
// name the keys of this run, or the pad's buttons while the pad was used
// last, on black in the stone frame of the notice.  It is shown modally as a notice
// is, so no frame of the game runs meanwhile; Esc, Enter or F1 closes it.
#pragma once

#include <QImage>
#include <QLabel>
#include <array>
#include <utility>
#include <vector>

#include "game/core/key_bindings.h"
#include "game/desktop/background_window.h"

namespace game {

// What the window calls a key ("Šipka nahoru", "Mezerník", "W"): the
// captions the settings tool shows too (game/settings/key_names.h).
QString KeyCaptionOf(int16_t keyCode);

class HelpWindow : public platform::BackgroundWindow {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // The frame is built from the notice's picture ("gui2"): its corners and
    // edges around a larger black field.
    void SetFramePicture(const QImage& picture);

    // Shows the keys and waits until the player closes the window or the
    // game ends.
    void ShowHelp(const KeyBindings& keys);

    // The keyboard's rows: a command and its key; the last two are the
    // help and the full-screen switch, which nobody can move.
    static constexpr std::size_t kKeyRows = kCommandCount + 2;
    std::array<QLabel*, kKeyRows> KeyNames{};
    std::array<QLabel*, kKeyRows> KeyCaptions{};
    // The pad's rows: what and which buttons.
    static constexpr std::size_t kPadRows = 9;
    std::array<QLabel*, kPadRows> PadNames{};
    std::array<QLabel*, kPadRows> PadButtons{};
    // The tips, one label each, and how the window is closed.
    std::array<QLabel*, 4> Tips{};
    QLabel* Footer = nullptr;

  protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Every text that stays while the window lives, in the player's language.
    void ShowTexts();
    // The labels of those texts, each with its Czech text.
    std::vector<std::pair<QLabel*, const char*>> fixedTexts_;
};

}  // namespace game
