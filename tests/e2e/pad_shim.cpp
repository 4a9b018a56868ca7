// A game pad for the end-to-end checks, loaded into the real game with
// LD_PRELOAD: once the game has started SDL's game controllers, an SDL
// virtual pad is plugged in, and the presses written one per line into the
// pipe named by KARVELUN_E2E_PAD are played on it, each held briefly and
// followed by a pause, from the game's own polling of SDL's events (so no
// thread of its own).  The check drives the game by this pad alone, with no
// key event.
//
// Lines: a, b, x, y, start, back, lb, rb (buttons), up, down, left, right
// (the D-pad).  Unknown lines are said on stderr and skipped.
#include <SDL.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>

#include "gamepad/virtual_pad.h"

namespace {

constexpr Uint32 kHoldMs = 80;
constexpr Uint32 kGapMs = 220;

struct Shim {
    gamepad_testing::VirtualPad pad;
    bool tried = false;
    int pipe = -1;
    std::string partial;
    std::deque<int> presses;
    int held = -1;      // the button held now, or -1
    Uint32 nextAt = 0;  // when the next step may happen
};

Shim& TheShim() {
    static Shim shim;
    return shim;
}

int ButtonOf(const std::string& name) {
    static const struct {
        const char* name;
        int button;
    } kButtons[] = {
        {"a", SDL_CONTROLLER_BUTTON_A},
        {"b", SDL_CONTROLLER_BUTTON_B},
        {"x", SDL_CONTROLLER_BUTTON_X},
        {"y", SDL_CONTROLLER_BUTTON_Y},
        {"start", SDL_CONTROLLER_BUTTON_START},
        {"back", SDL_CONTROLLER_BUTTON_BACK},
        {"lb", SDL_CONTROLLER_BUTTON_LEFTSHOULDER},
        {"rb", SDL_CONTROLLER_BUTTON_RIGHTSHOULDER},
        {"up", SDL_CONTROLLER_BUTTON_DPAD_UP},
        {"down", SDL_CONTROLLER_BUTTON_DPAD_DOWN},
        {"left", SDL_CONTROLLER_BUTTON_DPAD_LEFT},
        {"right", SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
    };
    for (const auto& b : kButtons)
        if (name == b.name) return b.button;
    return -1;
}

void ReadPipe(Shim& shim) {
    char buffer[256];
    for (;;) {
        const ssize_t got = read(shim.pipe, buffer, sizeof buffer);
        if (got <= 0) return;
        shim.partial.append(buffer, static_cast<size_t>(got));
    }
}

void TakeLines(Shim& shim) {
    for (size_t end; (end = shim.partial.find('\n')) != std::string::npos;) {
        const std::string line = shim.partial.substr(0, end);
        shim.partial.erase(0, end + 1);
        if (line.empty()) continue;
        const int button = ButtonOf(line);
        if (button < 0)
            std::fprintf(stderr, "pad_shim: no button \"%s\"\n", line.c_str());
        else
            shim.presses.push_back(button);
    }
}

void Pump() {
    Shim& shim = TheShim();
    if (!shim.tried) {
        if (!SDL_WasInit(SDL_INIT_GAMECONTROLLER)) return;
        shim.tried = true;
        std::string why;
        if (!shim.pad.Plug(&why)) std::fprintf(stderr, "pad_shim: no pad: %s\n", why.c_str());
        if (const char* path = std::getenv("KARVELUN_E2E_PAD")) {
            // Read and write, so that the pipe never reads as ended.
            shim.pipe = open(path, O_RDWR | O_NONBLOCK | O_CLOEXEC);
            if (shim.pipe < 0) std::perror("pad_shim: the pipe");
        }
    }
    if (!shim.pad.Plugged()) return;
    if (shim.pipe >= 0) {
        ReadPipe(shim);
        TakeLines(shim);
    }
    const Uint32 now = SDL_GetTicks();
    if (static_cast<Sint32>(now - shim.nextAt) < 0) return;
    if (shim.held >= 0) {
        shim.pad.Button(shim.held, false);
        shim.held = -1;
        shim.nextAt = now + kGapMs;
    } else if (!shim.presses.empty()) {
        shim.held = shim.presses.front();
        shim.presses.pop_front();
        shim.pad.Button(shim.held, true);
        shim.nextAt = now + kHoldMs;
    }
}

}  // namespace

extern "C" int SDL_PollEvent(SDL_Event* event) {
    using Poll = int (*)(SDL_Event*);
    static const Poll real = reinterpret_cast<Poll>(dlsym(RTLD_NEXT, "SDL_PollEvent"));
    Pump();
    return real ? real(event) : 0;
}
