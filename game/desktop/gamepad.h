// Game pads through SDL's game-controller layer (joystick and events only;
// the windows stay Qt's).  Every pad SDL has a mapping for works, from its
// own database or the SDL_GAMECONTROLLERCONFIG variable; pads come and go
// at any time, and the first one the player touches drives until it is
// unplugged.  What it does reaches the game as the keys of the keyboard
// (see pad_keys.h), handed to a receiver that knows the windows.  Without a
// pad, or when SDL cannot start, nothing happens and nothing is said.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>

#include "game/platform/pad_controls.h"
#include "game/platform/pad_keys.h"

namespace platform {

// Where the pad's keys go: the window that has the keyboard.
class PadKeyReceiver {
  public:
    virtual ~PadKeyReceiver() = default;
    // The layout for the window that has the keyboard now.
    virtual PadLayout LayoutNow() = 0;
    virtual void PadKeyDown(int16_t keyCode, bool autoRepeat) = 0;
    virtual void PadKeyUp(int16_t keyCode) = 0;
};

class Gamepad : public QObject {
    Q_OBJECT
  public:
    // How often the pads are read: at frame rate while one is plugged in,
    // a few times a second otherwise (to notice one being plugged in).
    static constexpr int kPadPollMs = 16;
    static constexpr int kIdlePollMs = 250;

    explicit Gamepad(PadKeyReceiver& receiver, QObject* parent = nullptr);
    ~Gamepad() override;

    // Whether SDL's game-controller layer is running.
    bool Started() const { return started_; }
    // The pads plugged in that SDL can read as game controllers.
    int PadCount() const;
    // Whether one of them drives.
    bool Driving() const;

    // Reads what the pads did since the last time and hands it on.  The
    // timer calls it; a window shown modally on the way (a dialog opened by
    // A) keeps it going inside, so a call may run inside another.
    void Poll();

    // The clock the keys' repeats follow, in milliseconds (tests set it).
    void SetClock(std::function<int64_t()> clock) { clock_ = std::move(clock); }

  private:
    struct Pads;

    void AskedPoll();
    void ReadEvents();
    void FollowPad(int32_t instance);
    void Unplugged(int32_t instance);
    void HandOn(const std::vector<PadKeyEvent>& events);
    void FollowPace();

    PadKeyReceiver& receiver_;
    bool started_ = false;
    std::unique_ptr<Pads> pads_;
    PadControls controls_;
    PadKeys keys_;
    // Controls of the driving pad that changed and are still to be handed
    // on, in order.
    std::deque<PadControlChange> pending_;
    QTimer timer_;
    bool pollAsked_ = false;  // a poll is posted and not yet begun
    QElapsedTimer elapsed_;
    std::function<int64_t()> clock_;
};

}  // namespace platform
