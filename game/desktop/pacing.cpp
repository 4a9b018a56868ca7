#include "game/desktop/pacing.h"

#include <QTimer>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

namespace platform {
namespace {

bool& PacingFlag() {
    static bool enabled = std::getenv("KARVELUN_NO_PACING") == nullptr;
    return enabled;
}

}  // namespace

bool PacingEnabled() {
    return PacingFlag();
}
void SetPacingEnabled(bool enabled) {
    PacingFlag() = enabled;
}

void WaitForDisplayFrame() {
    if (!PacingEnabled()) return;
    using clock = std::chrono::steady_clock;
    constexpr auto frame = std::chrono::duration_cast<clock::duration>(
        std::chrono::duration<double>(kDisplayFrameSeconds));
    auto now = clock::now().time_since_epoch();
    auto next = (now / frame + 1) * frame;
    std::this_thread::sleep_until(clock::time_point(next));
}

void SetTimerInterval(QTimer& timer, int milliseconds) {
    if (milliseconds <= 0) {
        timer.stop();
        return;
    }
    int frameMs = static_cast<int>(std::ceil(kDisplayFrameSeconds * 1000.0));
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(PacingEnabled() && milliseconds < frameMs ? frameMs : milliseconds);
    timer.start();
}

}  // namespace platform
