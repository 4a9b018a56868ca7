// The credits window (Form4): five labels on the "gui2" picture, shown modally from
// the main menu.  Any key but P, or a click anywhere, closes it; P thanks the
// author of the sound library, Z opens the records.
#pragma once

#include <QLabel>
#include <array>

#include "game/desktop/background_window.h"

namespace game {

// The P key's message box.
inline constexpr const char* kRecordsKeyText = QT_TRANSLATE_NOOP("Credits", "Z – záznamy");
inline constexpr const char* kSoundCreditTitle = QT_TRANSLATE_NOOP("Message", "Nezapomněl jsem...");
inline constexpr const char* kSoundCreditText = QT_TRANSLATE_NOOP(
    "Message",
    "...poděkovat za zvuky! Zvukovou knihovnu Tembra, která hře dává hlas, napsal tým "
    "Karvelun. Bez ní by v jeskyni bylo až příliš ticho.");

class Form4 : public platform::BackgroundWindow {
    Q_OBJECT
  public:
    explicit Form4(QWidget* parent = nullptr);
    ~Form4() override;

    // Label1(0) ... Label1(3) the credits, Label1(4) the version line the
    // menu sets before showing the window.
    std::array<QLabel*, 5> Label1{};
    // Names the key that opens the records.
    QLabel* RecordsKey = nullptr;

    // Shows the window modally; returns when it is closed or the game ends.
    void ShowModally();

    void Form_KeyDown(int16_t keyCode);
    void Form_MouseDown();
    void Label1_Click(int index);

  protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace game
