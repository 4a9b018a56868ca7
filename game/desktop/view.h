// The one view of the game's windows: the scale every window is shown at and
// whether the game fills the screen.  F11 and Alt+Enter switch between
// window and full screen at any moment; they are taken before any window's
// own keys see them.
#pragma once

#include <QMargins>
#include <QObject>
#include <QSize>

#include "game/platform/view_scale.h"

class QKeyEvent;
class QScreen;

namespace platform {

// True for the keys that switch the full screen (F11, Alt+Enter on either
// keyboard block).  No window and no key binding of the game gets them.
bool IsFullScreenKey(int qtKey, Qt::KeyboardModifiers modifiers);

class View : public QObject {
    Q_OBJECT
  public:
    // The game's view (created with the first window).
    static View& Instance();

    // The player's choice: scale 0 automatic, else 1 or more device pixels
    // per game pixel; and whether to start filling the screen.
    void Configure(int chosenScale, bool fullScreen);
    int ChosenScale() const { return chosen_; }

    bool FullScreen() const { return fullScreen_; }
    void SetFullScreen(bool on);
    void ToggleFullScreen();

    // Device pixels per game pixel for every window now: in full screen the
    // largest whole scale at which the game window fits the screen, else
    // the chosen one or the largest at which it fits the available area
    // with its frame.
    // When the view fills (ChooseScale), Scale() is the whole part of the
    // factor.
    int Scale() const { return scale_; }
    // The factor that fills, device pixels per game pixel, not necessarily
    // whole; 0 when the windows are shown at the whole Scale().
    double FillFactor() const { return fill_; }
    // Both together.
    ScaleChoice Choice() const { return {scale_, fill_}; }
    // Device pixels per toolkit unit of the game's screen.
    double PixelRatio() const { return ratio_; }
    QScreen* Screen() const;

    // VelkePismo: the windows that are read shown larger, the log's and
    // the signs' letters taller (kLargeTextZoom).  A change tells the
    // windows at once.
    void SetLargeText(bool on);
    bool LargeText() const { return largeText_; }

    // The client size that decides the automatic scale (the game window's).
    PixelSize ReferenceClient() const { return reference_; }

    // A window's frame as the window system drew it (toolkit units).  Until
    // one is known, a frame of thin borders and a title bar is assumed.
    void NoteFrame(const QMargins& frame);

    // Works the scale out again (the screen changed); tells the windows
    // when it did change.
    void Refresh();

  signals:
    // The scale, the screen's pixel ratio, the full screen or the size of
    // the texts changed.
    void Changed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    View();
    void Recompute(bool forceSignal);
    void FollowScreen(QScreen* screen);

    int chosen_ = 0;
    bool fullScreen_ = false;
    int scale_ = 1;
    double fill_ = 0.0;
    bool largeText_ = false;
    double ratio_ = 1.0;
    PixelSize reference_{779, 516};
    // Device pixels of the frame: 1-pixel borders and a 30-pixel title bar
    // until the window system tells.
    PixelSize frame_{2, 32};
    QScreen* followed_ = nullptr;
};

}  // namespace platform
