// The game window (Form1): the play field, the message log and the status panel.
#pragma once

#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStaticText>
#include <QStringList>
#include <QTimer>
#include <array>
#include <string>
#include <unordered_map>

#include "game/core/run_timer.h"
#include "game/core/windows.h"
#include "game/desktop/background_window.h"
#include "game/platform/keys.h"
#include "game/platform/pixel_scaler.h"
#include "game/play/frame_loop.h"
#include "game/windows/lives_label.h"
#include "game/windows/pad_navigation.h"

namespace game {

class Form1;

// The play field (element 0 of Form1's Picture1 array).  It shows the image
// the last frame left in the field's off-screen surface, enlarged to the
// view's scale, holds the keyboard during play and hands its key events to
// the game window.
class PlayField : public QWidget {
    Q_OBJECT
  public:
    PlayField(Form1& form, QWidget* parent);

    // Repaints the field when time stopped or started since it last painted:
    // while it stands still, the frame shows dimmed with "Pauza" at its top.
    void FollowPause();

    // Shows a finished frame of the field's size.  Enlarged, only what
    // changed since the last frame is enlarged and repainted, at once.  At
    // scale 1 there is nothing to enlarge: the field shows the frame itself,
    // repainted whole, which costs less than finding what changed; the
    // frame's pixels must then stay as they are until the next Present or
    // LetGoOfFrame.
    void Present(const QImage& frame);
    // The pixels of the last frame presented are about to go: the field
    // keeps showing that frame from a copy of its own.
    void LetGoOfFrame();
    // A new scale (device pixels per field pixel) and pixel ratio; the next
    // frame is enlarged whole.  A filling view gives the field's size in
    // device pixels instead (an empty size for a whole scale).
    void SetScale(int scale, double pixelRatio, QSize filled = QSize());
    // What the field shows: the last frame enlarged, in device pixels.
    QImage Shown() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Tab is no command of the game: it must not walk the focus away.
    bool focusNextPrevChild(bool next) override;

  private:
    Form1& form_;
    bool pauseShown_ = false;
    // The achievements told by this pause.
    QStringList pauseNotices_;
    int scale_ = 1;
    QSize filled_;
    // The enlarged copy, at scale 2 and more or filling.
    platform::EnlargedFrame enlarged_;
    // At scale 1, the pixels of the frame shown: the caller's, or the copy
    // kept when the caller let go of them.
    const uchar* frame_ = nullptr;
    qsizetype frameStride_ = 0;
    QImage keptFrame_;
    double pixelRatio_ = 1.0;
    bool presented_ = false;
};

class Form1 : public platform::BackgroundWindow, public PadNavigation {
    Q_OBJECT
  public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // The play field, 500 x 500 at (8, 8).
    PlayField* Picture1;
    // The message log; it never keeps the keyboard.
    QPlainTextEdit* Text1;
    // Starts the frame loop while a game exists.
    QTimer* Timer1;
    // The frame loop the timer hosts, with its idle and walk counters.
    FrameLoop Loop;

    // The status panel: fixed captions (Label4), lives and their maximum
    // (Label1, Label3), experience and the next level's (Label5), gold,
    // level, weapons and speed (Label6).
    LivesLabel* Label1;
    QLabel* Label3;
    std::array<QLabel*, 9> Label4{};
    std::array<QLabel*, 2> Label5{};
    std::array<QLabel*, 7> Label6{};

    // The ten value captions, in the order Label1, Label3, Label5(0),
    // Label5(1), Label6(0) ... Label6(6).
    void ShowStatus(const StatusCaptions& captions);

    // Pixel width of a text in the play field's font.
    int TextWidth(const QString& text) const;

    // The panel's lives (caption and number) flash with the hurt hero.
    void FlashLives(bool on);
    bool LivesFlashing() const { return livesFlashing_; }

    // Composes the frame in the play field's off-screen image, prints the
    // floating texts over it and shows it with one refresh.
    void DrawFrame();

    // The play field's off-screen image (created with the first frame).
    const QImage& FieldImage() const { return fieldImage_; }
    // Frees the play field's surface (shut-down); the next frame makes a new one.
    void ReleasePlayField();

    // Key events of the play field, as virtual keys.
    void Picture1_KeyDown(QKeyEvent& event);
    void Picture1_KeyUp(QKeyEvent& event);
    // A key of the game's standard layout pressed or released on the play
    // field, past the player's chosen keys: how the game pad presses its
    // keys, with the keyboard's rules for repeated presses.
    void Picture1_GameKeyDown(platform::VirtualKey key, bool autoRepeat);
    void Picture1_GameKeyUp(platform::VirtualKey key);
    // The pad plays here: its keys are the commands of play.
    platform::PadLayout PadLayoutWanted() const override { return platform::PadLayout::Play; }
    bool TakePadKey(int16_t keyCode, bool pressed, bool autoRepeat) override;
    // F2 (the pad's left stick pressed) reads the hero's lives, gold and
    // floor aloud, when the player asked for texts read aloud.
    void SpeakStatus();
    // The play field lost the keyboard to another window.
    void Picture1_LostFocus();
    // The program lost the keyboard (state other than active) or got it back.
    void Form_ApplicationStateChanged(Qt::ApplicationState state);
    // The keyboard stayed away for the grace time: time stops if the game
    // is being played.
    void Form_LostKeyboard();

    // How long the program must stay without the keyboard before time stops.
    // While one of the game's own windows closes, the keyboard is nowhere
    // until the window manager hands it back; that is no reason to pause.
    static constexpr int kLostKeyboardGraceMs = 500;
    // The log got the focus: it goes straight back to the play field.
    void Text1_GotFocus();

    // Whether time stops when the game loses the keyboard to another program
    // during play (the PauzaPriPrepnuti setting).
    bool PauseOnFocusLoss = true;
    // The run's time over the play field (the Casomira setting).
    bool ShowRunTimer = false;

  protected:
    // Closing the game window shuts the program down.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void Rescaled() override;

  private:
    void Timer1_Timer();
    void CreateStatusLabels();
    void EnsurePlayField();
    void PrintFloatTexts();
    // F2 from the keyboard: true when it read the hero's state, false when
    // it is a command's key or nothing is read aloud.
    bool TakeStatusKey(bool autoRepeat);
    const QStaticText& LaidOut(const std::string& text);

    RunTimer runTimer_;
    QFont runTimerFont_;
    // Waits out kLostKeyboardGraceMs after the program lost the keyboard.
    QTimer* lostKeyboardTimer_;
    // The game window had the keyboard since it was last shown: only then
    // can the game lose it.
    bool hadKeyboard_ = false;

    bool livesFlashing_ = false;
    // The letters of the texts over the field, at their normal size or
    // larger (VelkePismo), following the view.
    QFont fieldFont_;
    void FollowTextSize();
    int32_t fieldDc_ = 0;
    int32_t fieldBitmap_ = 0;
    QImage fieldImage_;
    // Floating texts laid out once and printed every frame of their life.
    std::unordered_map<std::string, QStaticText> laidOutTexts_;
};

}  // namespace game
