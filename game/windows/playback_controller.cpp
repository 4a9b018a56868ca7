#include "game/windows/playback_controller.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <iterator>

#include "game/replay/player.h"

namespace game {
namespace {

using Clock = std::chrono::steady_clock;

// The game's own pace, in frames a second.
constexpr double kFramesPerSecond = 60.0;
// At full speed a tick plays for this long before the window gets its turn.
constexpr auto kFullSpeedSlice = std::chrono::milliseconds(12);
// Frames owed after a stall are forgiven beyond this, rather than rushed.
constexpr double kMostOwed = 8.0 * 6.0;

}  // namespace

PlaybackController::PlaybackController(replay::Player& player, int speed)
    : player_(player), speed_(speed) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(4);
    connect(&timer_, &QTimer::timeout, this, &PlaybackController::Tick);
}

PlaybackController::~PlaybackController() {
    Stop();
}

void PlaybackController::Start() {
    if (!filtering_) qApp->installEventFilter(this);
    filtering_ = true;
    last_ = Clock::now();
    owed_ = 1.0;  // the first frame at once
    timer_.start();
}

void PlaybackController::Stop() {
    timer_.stop();
    if (filtering_) qApp->removeEventFilter(this);
    filtering_ = false;
}

void PlaybackController::Tick() {
    const auto now = Clock::now();
    const double elapsed = std::chrono::duration<double>(now - last_).count();
    last_ = now;
    if (halted_) return;

    if (speed_ == 0) {
        while (Clock::now() - now < kFullSpeedSlice) {
            if (!player_.Step()) break;
        }
    } else {
        owed_ = std::min(owed_ + elapsed * kFramesPerSecond * speed_, kMostOwed);
        while (owed_ >= 1.0 && player_.GetState() == replay::Player::State::Playing) {
            owed_ -= 1.0;
            player_.Step();
        }
    }
    if (player_.GetState() != replay::Player::State::Playing) {
        Stop();
        emit Finished();
    }
}

void PlaybackController::ChangeSpeed(int direction) {
    const auto begin = std::begin(replay::kReplaySpeeds), end = std::end(replay::kReplaySpeeds);
    const auto at = std::find(begin, end, speed_);
    const long index = std::clamp<long>((at - begin) + direction, 0, (end - begin) - 1);
    speed_ = begin[index];
    owed_ = 0;
    emit Changed();
}

bool PlaybackController::WatcherKey(int key) {
    switch (key) {
        case Qt::Key_Escape:
            emit EscapePressed();
            return true;
        case Qt::Key_Pause:
            halted_ = !halted_;
            emit Changed();
            return true;
        case Qt::Key_Plus:
            ChangeSpeed(+1);
            return true;
        case Qt::Key_Minus:
            ChangeSpeed(-1);
            return true;
        default:
            return false;
    }
}

bool PlaybackController::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // Full screen stays the window's own business.
    const bool fullScreenKey = key->key() == Qt::Key_F11 ||
                               ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                                (key->modifiers() & Qt::AltModifier));
    if (fullScreenKey) return false;
    if (type == QEvent::KeyPress && !key->isAutoRepeat()) WatcherKey(key->key());
    return true;
}

}  // namespace game
