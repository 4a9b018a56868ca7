#include "game/windows/loading_hold.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "game/core/game_state.h"

namespace game {
namespace {

constexpr int kLongestHoldMs = 20000;

}  // namespace

LoadingHold::LoadingHold() {
    const char* value = std::getenv("KARVELUN_HOLD_LOADING");
    if (!value) return;
    int step = 0;
    const char* end = value + std::strlen(value);
    const auto [at, error] = std::from_chars(value, end, step);
    if (error == std::errc() && at == end && step >= 0) holdAt_ = step;
}

void LoadingHold::Shown() {
    step_ = 0;
    HoldAt(step_);
}

void LoadingHold::Advanced() {
    HoldAt(++step_);
}

void LoadingHold::HoldAt(int step) {
    if (!holdAt_ || step != *holdAt_) return;
    holdAt_.reset();
    std::fprintf(stderr, "karvelun: the loading notice holds at step %d\n", step);
    std::fflush(stderr);
    // The shut-down's exit ends this loop too; the timer looks for an end
    // that came some other way.
    QEventLoop loop;
    QElapsedTimer waited;
    waited.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (ShutdownRequested || waited.elapsed() >= kLongestHoldMs) loop.quit();
    });
    poll.start(50);
    loop.exec();
}

}  // namespace game
