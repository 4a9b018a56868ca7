#include "game/desktop/gamepad.h"

#include <SDL.h>

#include <algorithm>
#include <vector>

#include "game/core/access_settings.h"

namespace platform {

struct Gamepad::Pads {
    struct Pad {
        SDL_GameController* controller;
        SDL_JoystickID instance;
        PadReading reading;
    };
    std::vector<Pad> plugged;
    // The pad that drives, or -1 until one is touched.
    SDL_JoystickID driver = -1;

    Pad* Find(SDL_JoystickID instance) {
        for (Pad& pad : plugged)
            if (pad.instance == instance) return &pad;
        return nullptr;
    }
};

namespace {

void ApplyButton(PadReading& reading, uint8_t button, bool down) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
            reading.dpadUp = down;
            break;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
            reading.dpadDown = down;
            break;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            reading.dpadLeft = down;
            break;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            reading.dpadRight = down;
            break;
        case SDL_CONTROLLER_BUTTON_A:
            reading.a = down;
            break;
        case SDL_CONTROLLER_BUTTON_B:
            reading.b = down;
            break;
        case SDL_CONTROLLER_BUTTON_X:
            reading.x = down;
            break;
        case SDL_CONTROLLER_BUTTON_Y:
            reading.y = down;
            break;
        case SDL_CONTROLLER_BUTTON_START:
            reading.start = down;
            break;
        case SDL_CONTROLLER_BUTTON_BACK:
            reading.back = down;
            break;
        case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
            reading.leftShoulder = down;
            break;
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
            reading.rightShoulder = down;
            break;
        case SDL_CONTROLLER_BUTTON_LEFTSTICK:
            reading.leftStickPress = down;
            break;
        default:
            break;
    }
}

void ApplyAxis(PadReading& reading, uint8_t axis, int value) {
    switch (axis) {
        case SDL_CONTROLLER_AXIS_LEFTX:
            reading.stickX = value;
            break;
        case SDL_CONTROLLER_AXIS_LEFTY:
            reading.stickY = value;
            break;
        case SDL_CONTROLLER_AXIS_TRIGGERRIGHT:
            reading.rightTrigger = value;
            break;
        default:
            break;
    }
}

}  // namespace

Gamepad::Gamepad(PadKeyReceiver& receiver, QObject* parent)
    : QObject(parent), receiver_(receiver), pads_(std::make_unique<Pads>()) {
    elapsed_.start();
    clock_ = [this] { return elapsed_.elapsed(); };
    // SDL must leave SIGINT and SIGTERM to the game, which ends on them as
    // it always has.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (!started_) return;
    // The timer only asks for a poll.  A timer's handler is never entered
    // again while it runs, so a dialog that A opens modally from inside a
    // poll would get no pad at all; a posted call is delivered inside the
    // dialog's own loop as well.
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (pollAsked_) return;
        pollAsked_ = true;
        QMetaObject::invokeMethod(this, &Gamepad::AskedPoll, Qt::QueuedConnection);
    });
    FollowPace();
    // The pads already plugged in arrive as events on the first poll.
}

Gamepad::~Gamepad() {
    if (!started_) return;
    for (Pads::Pad& pad : pads_->plugged)
        SDL_GameControllerClose(pad.controller);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    SDL_Quit();
}

int Gamepad::PadCount() const {
    return static_cast<int>(pads_->plugged.size());
}

bool Gamepad::Driving() const {
    return pads_->driver >= 0;
}

void Gamepad::AskedPoll() {
    pollAsked_ = false;
    Poll();
}

void Gamepad::Poll() {
    if (!started_) return;
    ReadEvents();
    // Each change goes on in the layout of the window that has the keyboard
    // when its turn comes: Back may have left for the menu just before.
    while (!pending_.empty()) {
        const PadControlChange change = pending_.front();
        pending_.pop_front();
        if (change.pressed)
            HandOn(keys_.Press(change.control, receiver_.LayoutNow(), clock_()));
        else
            HandOn(keys_.Release(change.control));
    }
    HandOn(keys_.Repeats(clock_()));
    FollowPace();
}

void Gamepad::ReadEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
            case SDL_CONTROLLERDEVICEADDED: {
                SDL_GameController* controller = SDL_GameControllerOpen(event.cdevice.which);
                if (!controller) break;
                const SDL_JoystickID instance =
                    SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
                if (pads_->Find(instance)) {
                    SDL_GameControllerClose(controller);  // told twice
                    break;
                }
                pads_->plugged.push_back({controller, instance, {}});
                break;
            }
            case SDL_CONTROLLERDEVICEREMOVED:
                Unplugged(event.cdevice.which);
                break;
            case SDL_CONTROLLERBUTTONDOWN:
            case SDL_CONTROLLERBUTTONUP:
                if (Pads::Pad* pad = pads_->Find(event.cbutton.which)) {
                    ApplyButton(pad->reading, event.cbutton.button,
                                event.type == SDL_CONTROLLERBUTTONDOWN);
                    FollowPad(pad->instance);
                }
                break;
            case SDL_CONTROLLERAXISMOTION:
                if (Pads::Pad* pad = pads_->Find(event.caxis.which)) {
                    ApplyAxis(pad->reading, event.caxis.axis, event.caxis.value);
                    FollowPad(pad->instance);
                }
                break;
            default:
                break;
        }
    }
}

void Gamepad::FollowPad(int32_t instance) {
    Pads::Pad* pad = pads_->Find(instance);
    // The dead zone as the player chose it, changed at once by the settings.
    controls_.SetDeadZone(game::Access.deadZone);
    if (pads_->driver < 0 && controls_.InUse(pad->reading)) pads_->driver = instance;
    if (pads_->driver != instance) return;
    for (const PadControlChange& change : controls_.Follow(pad->reading))
        pending_.push_back(change);
}

void Gamepad::Unplugged(int32_t instance) {
    Pads::Pad* pad = pads_->Find(instance);
    if (!pad) return;
    if (pads_->driver == instance) {
        // What it held is let go, as if the player had let go of it.
        for (const PadControlChange& change : controls_.ReleaseAll())
            pending_.push_back(change);
        pads_->driver = -1;
    }
    SDL_GameControllerClose(pad->controller);
    pads_->plugged.erase(pads_->plugged.begin() + (pad - pads_->plugged.data()));
}

void Gamepad::HandOn(const std::vector<PadKeyEvent>& events) {
    for (const PadKeyEvent& event : events) {
        if (event.pressed)
            receiver_.PadKeyDown(event.keyCode, event.autoRepeat);
        else
            receiver_.PadKeyUp(event.keyCode);
    }
}

void Gamepad::FollowPace() {
    const int interval = pads_->plugged.empty() ? kIdlePollMs : kPadPollMs;
    if (!timer_.isActive() || timer_.interval() != interval) timer_.start(interval);
}

}  // namespace platform
