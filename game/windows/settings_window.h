// The settings window, opened by the menu's "Nastavení": one row per setting
// on black in the stone frame of the notice, and the list of the commands'
// keys in its place after "Klávesy…".  Every change holds at once: the
// sound and the volumes are heard, the scale and the full screen seen, the
// keys work in the next frame.  When it closes, setup.ini is written whole,
// with the lines the game does not know kept, into the player's own file,
// or not at all; a failed write says so and keeps the old file.
#pragma once

#include <QLabel>
#include <array>
#include <functional>

#include "game/desktop/background_window.h"
#include "game/menu/settings_rows.h"
#include "game/windows/pad_navigation.h"

namespace game {

class SettingsWindow : public platform::BackgroundWindow, public PadNavigation {
    Q_OBJECT
  public:
    explicit SettingsWindow(QWidget* parent = nullptr);
    ~SettingsWindow() override;

    // The frame is built from the notice's picture ("gui2").
    void SetFramePicture(const QImage& picture);

    // Reads the settings as they are now, shows them with "Zvuky" chosen and
    // waits until the player closes the window or the game ends; then
    // writes what he changed.
    void ShowModally();

    // Told when "Pauza při přepnutí okna" changes (the game window keeps it).
    std::function<void(bool)> pauseOnFocusLossChanged;
    // Told when "Časomíra" changes (the game window shows the timer).
    std::function<void(bool)> runTimerChanged;

    const SettingsPage& Page() const { return page_; }
    bool ShowingKeys() const { return showingKeys_; }
    const KeyList& KeyListNow() const { return keyList_; }

    // A name and a value per row; the key list shows in the same labels.
    std::array<QLabel*, kSettingsRowCount> RowNames{};
    std::array<QLabel*, kSettingsRowCount> RowValues{};
    // A refused key, a waiting command, a failed write.
    QLabel* Note = nullptr;

    void Form_KeyDown(int16_t keyCode, int16_t shift);
    void Form_MouseDown(float x, float y) override;

    // While a command waits for its key, the pad's buttons choose no key:
    // B stops the waiting, the others do nothing.
    bool TakePadKey(int16_t keyCode, bool pressed, bool autoRepeat) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Applies the row's value to the running game.
    void Apply(int16_t row);
    void ApplyAll();
    void ApplyKeys();
    void SettingsKey(int16_t keyCode);
    void KeyListKey(int16_t keyCode, int16_t shift);
    void OpenKeys();
    // Shows the rows or the key list as they are now.
    void ShowRows();
    // Reads the chosen row aloud with its value (when the player asked for it).
    void SpeakChosenRow();
    void Close();
    void WriteIfChanged();

    SettingsPage page_;
    // The values as the window opened, to write only what changed.
    settings::SetupValues opened_;
    KeyList keyList_;
    bool showingKeys_ = false;
};

}  // namespace game
