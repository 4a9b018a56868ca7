// One opened OpenAL output and its mixing context.  Sound buffers keep a
// shared reference to it, so the output is closed only after the last sound
// made on it is gone, whatever order their owners release them in.
//
// An output can go away under the game (headphones pulled, a USB card gone,
// the sound server restarted).  The output then opens the system's default
// device anew and has every sound made on it rebuild its OpenAL objects
// there (Reopen); until that succeeds the old, silent device keeps taking
// calls, so nothing fails towards the game.
#pragma once

#include <AL/alc.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace tembra::device {

// The library's own thread (music, the device watch) and the game's thread
// both call OpenAL; the current context and the error flag are shared, so
// every use of OpenAL holds this lock.
std::recursive_mutex& AlMutex();
using AlLock = std::lock_guard<std::recursive_mutex>;

// The largest channel table the library offers, and the OpenAL sources each
// playing buffer needs (one per output side, see SoundBuffer).
inline constexpr int kMaxBuffers = 1024;
inline constexpr int kSourcesPerBuffer = 2;
// Stereo sources for music: two pieces during a cross-fade, and room.
inline constexpr int kStereoSources = 4;

// Format of the loopback output, which mixes only when its host asks for
// samples (alcRenderSamplesSOFT): interleaved stereo 16-bit, as a sound card
// would play it.
inline constexpr int kLoopbackRate = 44100;

// Every cue is mastered with its peak at -9 dBFS, and the game may start
// several in one frame (a bomb whose fragments hit three monsters).  Four copies of a
// cue started together add up sample for sample: 4 x 10^(-9/20) = 1.42, or
// +3.0 dBFS.  Bringing that down to -1 dBFS (0.891) takes a factor of at most
// 0.891 / 1.42 = 0.63 (-4.0 dB); the output plays everything 5 dB down
// (4 x 0.355 x 0.562 = 0.80, -2.0 dBFS), which leaves a decibel for the
// resampler's overshoot between samples.  Anything louder than that is held
// below full scale by OpenAL Soft's output limiter.
inline constexpr float kMasterGainDb = -5.0f;

// Something made on an output that owns OpenAL objects.  When the output is
// reopened, each user first lets go of its objects on the old device
// (remembering what it needs to go on), then makes them again on the new
// one.  Both run with the AL lock held and the right context current.
class OutputUser {
  public:
    virtual void DetachAl() = 0;
    virtual void AttachAl() = 0;

  protected:
    ~OutputUser() = default;
};

// Where the device watch asks whether the output is still there, and whether
// a new one may be opened.  Tests replace both to play a device that goes
// away on the loopback output, which never does.
struct OutputSeam {
    int32_t (*connected)() = nullptr;  // null: ask OpenAL (ALC_EXT_disconnect)
    int32_t (*mayOpen)() = nullptr;    // null: always try
};
void SetOutputSeam(const OutputSeam& seam);

class AlOutput {
  public:
    // The named OpenAL device (the empty name opens the default one).
    static std::shared_ptr<AlOutput> OpenDevice(const std::string& name);
    // An output that renders into memory on request instead of to a speaker.
    static std::shared_ptr<AlOutput> OpenLoopback();

    AlOutput(const AlOutput&) = delete;
    AlOutput& operator=(const AlOutput&) = delete;
    ~AlOutput();

    // OpenAL calls act on the current context; every operation on this
    // output's sounds makes it current first (and forgets earlier errors, so
    // that a check sees only its own).  Call with the AL lock held.
    void MakeCurrent() const;

    // Changes made while a batch is open reach the mixer together, so the
    // two sides of a sound never drift apart.
    class UpdateBatch {
      public:
        explicit UpdateBatch(const AlOutput& output);
        UpdateBatch(const UpdateBatch&) = delete;
        UpdateBatch& operator=(const UpdateBatch&) = delete;
        ~UpdateBatch();

      private:
        ALCcontext* context_;
    };

    void AddUser(OutputUser* user);
    void RemoveUser(OutputUser* user);

    // False once OpenAL (or the seam) reports the device gone.
    bool Connected() const;
    // Opens a new device in place of this one (the system's default device;
    // a loopback output opens a new loopback output) and moves every user
    // onto it.  False, with nothing changed, when no device opens.
    bool Reopen();
    // Successful reopens in this process.
    static int Reopens();

    // Seconds of sound the device has mixed since it opened, or a negative
    // value when OpenAL cannot tell.
    double ClockSeconds() const;

  private:
    enum class Kind { kNamed, kLoopback };
    AlOutput(Kind kind, ALCdevice* device, ALCcontext* context);
    static std::shared_ptr<AlOutput> Open(Kind kind, const std::string& name);
    void SetUpContext();

    Kind kind_;
    ALCdevice* device_;
    ALCcontext* context_;
    std::vector<OutputUser*> users_;
};

}  // namespace tembra::device
