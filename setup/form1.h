// Form1, the settings tool's one window: sound on or off, the volume and the
// game's tick in the first frame, how the game's windows are shown and the
// keys of its commands in the second, what every player may need in the
// third, saved to setup.ini beside the program by "Uložit a skončit".
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include <QString>
#include <QWidget>

#include "game/platform/view_scale.h"
#include "game/settings/setup_ini.h"
#include "setup/chosen_keys.h"

class QCheckBox;
class QShowEvent;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

namespace setup {

class HScrollBar;
class KeyButton;
using settings::SetupValues;

// The tool's scale: the game's whole scale for the player's choice
// (setup.ini's Zvetseni, filling counting as its whole part), or the largest
// whole scale at which the tool fits the screen's free area with its frame
// if that is smaller; at least 1.  Sizes in device pixels.
int ToolScale(int gameChoice, bool fullScreen, platform::PixelSize screen,
              platform::PixelSize available, platform::PixelSize frame);

class Form1 : public QWidget {
    Q_OBJECT
  public:
    // appFolder is the folder setup.ini lives in, read and written there.
    explicit Form1(const QString& appFolder, QWidget* parent = nullptr);
    // The file read at start and the one "Uložit a skončit" writes (they
    // differ when a default beside the program stands in for the player's
    // own file that does not exist yet).
    Form1(const QString& readFile, const QString& writeFile, QWidget* parent = nullptr);
    // The same, every pixel of the layout and the font `scale` times larger.
    Form1(const QString& readFile, const QString& writeFile, int scale, QWidget* parent = nullptr);
    int Scale() const { return scale_; }

    // Shows a failure to the user.  A message box by default; tests put
    // something that does not wait for a click in its place.
    std::function<void(const QString& title, const QString& text)> ShowError;

    const QString& SettingsFileToWrite() const { return writeFile_; }
    SetupValues CurrentValues() const;
    // The keys on the buttons.
    KeyChoice ChosenKeys() const;

    QFrame* Frame1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    HScrollBar* HScroll1 = nullptr;
    HScrollBar* HScroll2 = nullptr;

    // The game's windows, below Frame1: the scale (item 0 automatic, 1 to 4
    // the factor, 5 filling), fullscreen at start, the pause when the game loses the
    // keyboard, the hero's help round corners.
    QFrame* Frame2 = nullptr;
    QLabel* Label5 = nullptr;
    QComboBox* Combo1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check4 = nullptr;
    // The music's volume, 0 to 100, its caption and its value.
    QLabel* Label8 = nullptr;
    HScrollBar* HScroll3 = nullptr;
    QLabel* Label9 = nullptr;

    // The keys, in the second frame below the windows' settings: a caption
    // and a key button for each command (in the order of settings::KeyCommands()),
    // "Výchozí" for the defaults, and a note that says why a key was refused.
    QLabel* Label6 = nullptr;
    std::array<QLabel*, 10> KeyLabels{};
    std::array<KeyButton*, 10> KeyButtons{};
    QPushButton* Command2 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label10 = nullptr;    // "Jazyk"
    QComboBox* Combo2 = nullptr;  // Čeština, English
    QLabel* Label11 = nullptr;    // "Obtížnost"
    QComboBox* Combo3 = nullptr;  // normální, lehká
    QCheckBox* Check9 = nullptr;  // "Časomíra"

    // The settings for every player, in a third frame beside the other two:
    // flashing (on by default), large text, fire switched by its key, the
    // stick's dead zone (5 to 60, its caption and its value) and reading
    // aloud, each with a line that says what it does.
    QFrame* Frame3 = nullptr;
    QLabel* Label12 = nullptr;  // the frame's title
    QCheckBox* Check5 = nullptr;
    QCheckBox* Check6 = nullptr;
    QCheckBox* Check7 = nullptr;
    QLabel* Label13 = nullptr;
    HScrollBar* HScroll4 = nullptr;
    QLabel* Label14 = nullptr;
    QCheckBox* Check8 = nullptr;
    std::array<QLabel*, 5> AccessNotes{};

    void Form_Load();
    void Check1_Click();
    void HScroll1_Change();
    void HScroll1_Scroll();
    void HScroll2_Change();
    void HScroll2_Scroll();
    void HScroll3_Change();
    void HScroll4_Change();
    void Command1_Click();
    void KeyButtons_Click(std::size_t index);
    // A key pressed while button `index` waits: taken, or refused with a note.
    void KeyButtons_KeyOffered(std::size_t index, int key, Qt::KeyboardModifiers modifiers);
    void Command2_Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // A place in twips as pixels at the scale.
    QRect Twips(int left, int top, int width, int height) const;
    void CreateControls();
    void CreateAccessControls();
    void ConnectHandlers();

    QString readFile_;
    QString writeFile_;
    // Lines of the file the tool does not know, written back as they were.
    std::vector<std::string> otherLines_;
    int scale_ = 1;
    bool placed_ = false;
};

}  // namespace setup
