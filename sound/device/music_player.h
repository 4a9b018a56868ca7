// The game's music: which piece plays, cross-fades between pieces, the
// music's own volume and ducking, on the output the game opened last.  The
// library's own thread ("tembra-service") runs the player's service step
// every 50 ms: it keeps the streams' queues full, moves the fades along and
// watches the output, reopening it when its device goes away.
//
// The commands only note what is wanted and wake the thread; none decodes
// or waits for the mixer.  Fades run on the output's own clock (the sound
// it has mixed), so what is heard follows them even when the mixer runs
// faster or slower than the wall clock, as the loopback output does.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "sound/device/al_output.h"
#include "sound/device/music_stream.h"

namespace tembra::device {

// A value going from `from` to `to` over [start, start + length] seconds.
struct Ramp {
    float from = 1.0f;
    float to = 1.0f;
    double start = 0.0;
    double length = 0.0;
    float At(double now) const;
    bool Done(double now) const { return now >= start + length; }
};

class MusicPlayer {
  public:
    static constexpr int kDefaultVolume = 70;
    static constexpr double kDuckSeconds = 0.2;
    static constexpr auto kServicePeriod = std::chrono::milliseconds(50);
    static constexpr auto kReopenPeriod = std::chrono::seconds(2);

    static MusicPlayer& Instance();

    // The output music plays on and the device watch looks after; the
    // service thread runs while one is bound.
    void Bind(std::shared_ptr<AlOutput> output);
    void Unbind(const AlOutput* output);

    // The commands of the public header's TembraMusic functions (see there
    // for what each does).  Play is false, after one line on the error
    // output, when the file cannot be played; what played then fades out.
    bool Play(const std::string& path, bool looping, double fadeSeconds, bool keepSame);
    void Stop(double fadeSeconds);
    void SetVolume(int volume);
    int Volume() const;
    void Duck(int percent);
    bool Playing() const;

    // One service step now, on the caller's thread.
    void Step();
    // Tests and benchmarks step by hand: the thread then leaves it to them.
    void SetManual(bool manual);

  private:
    MusicPlayer() = default;
    ~MusicPlayer();

    struct Command {
        enum Kind { kPlay, kStop, kDuck } kind;
        std::shared_ptr<MusicStream> stream;
        double fadeSeconds = 0.0;
        float duck = 1.0f;
        uint64_t request = 0;
    };
    struct Entry {
        std::shared_ptr<MusicStream> stream;
        Ramp fade;
        bool fadingOut = false;
        uint64_t request = 0;  // the Play it answers
    };

    void Post(Command command);
    void ServiceLoop();
    void StopThread();
    bool WatchOutput(AlOutput& output);
    void AdvanceClock(const AlOutput& output);
    void Apply(Command& command, const std::shared_ptr<AlOutput>& output);
    void FadeOutAll(double seconds);

    // Guards what the commands touch.
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::shared_ptr<AlOutput> output_;
    std::vector<Command> commands_;
    int volume_ = kDefaultVolume;
    struct Wanted {
        std::string path;
        bool looping = false;
        uint64_t request = 0;  // counts the Play calls
    };
    uint64_t requests_ = 0;
    // Forgets the piece asked for, unless a later Play has asked for another.
    void Forget(uint64_t request);
    std::optional<Wanted> wanted_;
    bool manual_ = false;
    bool quit_ = false;
    std::thread thread_;

    // Only the service step touches these (one step at a time).
    std::mutex stepMutex_;
    std::vector<Entry> entries_;
    Ramp duck_;
    double now_ = 0.0;
    double lastClock_ = -1.0;
    std::chrono::steady_clock::time_point lastWall_{};
    bool lost_ = false;
    bool reopenFailed_ = false;
    std::chrono::steady_clock::time_point nextReopen_{};
};

}  // namespace tembra::device
