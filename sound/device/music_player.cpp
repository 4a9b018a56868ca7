#include "sound/device/music_player.h"

#include <pthread.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace tembra::device {

float Ramp::At(double now) const {
    if (length <= 0.0 || now >= start + length) return to;
    if (now <= start) return from;
    return from + (to - from) * static_cast<float>((now - start) / length);
}

MusicPlayer& MusicPlayer::Instance() {
    static MusicPlayer player;
    return player;
}

MusicPlayer::~MusicPlayer() {
    StopThread();
}

void MusicPlayer::Bind(std::shared_ptr<AlOutput> output) {
    StopThread();
    {
        std::lock_guard step(stepMutex_);
        entries_.clear();
        duck_ = {};
        lastClock_ = -1.0;
        lost_ = false;
    }
    std::lock_guard lock(mutex_);
    output_ = std::move(output);
    commands_.clear();
    thread_ = std::thread([this] { ServiceLoop(); });
}

void MusicPlayer::Unbind(const AlOutput* output) {
    {
        std::lock_guard lock(mutex_);
        if (output_.get() != output) return;
    }
    StopThread();
    {
        std::lock_guard step(stepMutex_);
        entries_.clear();
    }
    std::lock_guard lock(mutex_);
    output_.reset();
    commands_.clear();
    wanted_.reset();
}

void MusicPlayer::StopThread() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
    std::lock_guard lock(mutex_);
    quit_ = false;
}

void MusicPlayer::ServiceLoop() {
    pthread_setname_np(pthread_self(), "tembra-service");
    std::unique_lock lock(mutex_);
    while (!quit_) {
        wake_.wait_for(lock, kServicePeriod);
        if (quit_) break;
        if (manual_) continue;
        lock.unlock();
        try {
            Step();
        } catch (const std::exception& error) {
            // Nothing may leave the thread; a failing step is tried again.
            std::fprintf(stderr, "tembra: music service: %s\n", error.what());
        }
        lock.lock();
    }
}

void MusicPlayer::SetManual(bool manual) {
    std::lock_guard lock(mutex_);
    manual_ = manual;
}

void MusicPlayer::Post(Command command) {
    {
        std::lock_guard lock(mutex_);
        commands_.push_back(std::move(command));
    }
    wake_.notify_all();
}

bool MusicPlayer::Play(const std::string& path, bool looping, double fadeSeconds, bool keepSame) {
    {
        std::lock_guard lock(mutex_);
        if (keepSame && wanted_ && wanted_->path == path && wanted_->looping == looping)
            return true;
    }
    std::shared_ptr<MusicStream> stream;
    try {
        stream = std::make_shared<MusicStream>(path, looping);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tembra: music not played, %s: %s\n", path.c_str(), error.what());
        Stop(fadeSeconds);
        return false;
    }
    {
        std::lock_guard lock(mutex_);
        wanted_ = Wanted{path, looping, ++requests_};
        // At volume 0 no stream runs: the piece starts when the volume
        // comes back.
        if (volume_ > 0)
            commands_.push_back(
                {Command::kPlay, std::move(stream), fadeSeconds, 1.0f, wanted_->request});
    }
    wake_.notify_all();
    return true;
}

void MusicPlayer::Stop(double fadeSeconds) {
    {
        std::lock_guard lock(mutex_);
        wanted_.reset();
        commands_.push_back({Command::kStop, nullptr, fadeSeconds});
    }
    wake_.notify_all();
}

void MusicPlayer::SetVolume(int volume) {
    {
        std::lock_guard lock(mutex_);
        volume_ = std::clamp(volume, 0, 100);
    }
    wake_.notify_all();
}

int MusicPlayer::Volume() const {
    std::lock_guard lock(mutex_);
    return volume_;
}

void MusicPlayer::Duck(int percent) {
    Post({Command::kDuck, nullptr, 0.0, static_cast<float>(std::clamp(percent, 0, 100)) / 100.0f});
}

bool MusicPlayer::Playing() const {
    std::lock_guard lock(mutex_);
    return wanted_.has_value();
}

void MusicPlayer::Forget(uint64_t request) {
    std::lock_guard lock(mutex_);
    if (wanted_ && wanted_->request == request) wanted_.reset();
}

bool MusicPlayer::WatchOutput(AlOutput& output) {
    if (!lost_ && output.Connected()) return true;
    const auto wall = std::chrono::steady_clock::now();
    if (!lost_) {
        lost_ = true;
        reopenFailed_ = false;
        nextReopen_ = wall;
        std::fprintf(stderr, "tembra: the sound output went away, opening the default one\n");
    }
    if (wall < nextReopen_) return false;
    if (output.Reopen()) {
        lost_ = false;
        lastClock_ = -1.0;
        std::fprintf(stderr, "tembra: sound output opened anew\n");
        return true;
    }
    if (!reopenFailed_) {
        reopenFailed_ = true;
        std::fprintf(stderr,
                     "tembra: no sound output opens; the game plays silently and tries again "
                     "every 2 s\n");
    }
    nextReopen_ = wall + kReopenPeriod;
    return false;
}

void MusicPlayer::AdvanceClock(const AlOutput& output) {
    double clock = output.ClockSeconds();
    if (clock < 0.0) {
        const auto wall = std::chrono::steady_clock::now();
        clock = std::chrono::duration<double>(wall.time_since_epoch()).count();
    }
    if (lastClock_ >= 0.0 && clock > lastClock_) now_ += clock - lastClock_;
    lastClock_ = clock;
}

void MusicPlayer::FadeOutAll(double seconds) {
    if (seconds <= 0.0) {
        entries_.clear();
        return;
    }
    for (Entry& entry : entries_) {
        entry.fade = Ramp{entry.fade.At(now_), 0.0f, now_, seconds};
        entry.fadingOut = true;
    }
}

void MusicPlayer::Apply(Command& command, const std::shared_ptr<AlOutput>& output) {
    switch (command.kind) {
        case Command::kPlay: {
            FadeOutAll(command.fadeSeconds);
            // Two pieces at once at most: a third cuts the oldest.
            while (entries_.size() >= 2)
                entries_.erase(entries_.begin());
            command.stream->Attach(output);
            const bool fadeIn = command.fadeSeconds > 0.0;
            entries_.push_back(
                {std::move(command.stream),
                 Ramp{fadeIn ? 0.0f : 1.0f, 1.0f, now_, fadeIn ? command.fadeSeconds : 0.0}, false,
                 command.request});
            break;
        }
        case Command::kStop:
            FadeOutAll(command.fadeSeconds);
            break;
        case Command::kDuck:
            duck_ = Ramp{duck_.At(now_), command.duck, now_, kDuckSeconds};
            break;
    }
}

void MusicPlayer::Step() {
    std::lock_guard step(stepMutex_);
    std::shared_ptr<AlOutput> output;
    std::vector<Command> commands;
    int volume = 0;
    std::optional<Wanted> wanted;
    {
        std::lock_guard lock(mutex_);
        output = output_;
        commands.swap(commands_);
        volume = volume_;
        wanted = wanted_;
    }
    if (!output) return;
    // While the device is gone nothing is heard and the clock stands, but
    // the commands still count: a piece stopped then stays stopped.
    const bool heard = WatchOutput(*output);
    if (heard) AdvanceClock(*output);
    for (Command& command : commands)
        Apply(command, output);
    if (volume == 0) {
        entries_.clear();
        return;
    }
    if (!heard) return;

    const bool wantedRuns = std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return !e.fadingOut && wanted && e.request == wanted->request;
    });
    if (wanted && !wantedRuns) {
        // Back from volume 0, or asked for before an output was open.
        try {
            auto stream = std::make_shared<MusicStream>(wanted->path, wanted->looping);
            stream->Attach(output);
            entries_.push_back({std::move(stream), Ramp{}, false, wanted->request});
        } catch (const std::exception& error) {
            std::fprintf(stderr, "tembra: music not played, %s: %s\n", wanted->path.c_str(),
                         error.what());
            Forget(wanted->request);
        }
    }

    const float master = static_cast<float>(volume) / 100.0f * duck_.At(now_);
    for (auto it = entries_.begin(); it != entries_.end();) {
        it->stream->SetGain(it->fade.At(now_) * master);
        const bool goesOn = it->stream->Service();
        // A piece played once is over, or the file failed.
        if (!goesOn) Forget(it->request);
        if (!goesOn || (it->fadingOut && it->fade.Done(now_)))
            it = entries_.erase(it);
        else
            ++it;
    }
}

}  // namespace tembra::device
