// One opened OpenAL output and its mixing context.  Sound buffers keep a
// shared reference to it, so the output is closed only after the last sound
// made on it is gone, whatever order their owners release them in.
#pragma once

#include <AL/alc.h>

#include <memory>
#include <string>

namespace tembra::device {

// The largest channel table the library offers, and the OpenAL sources each
// playing buffer needs (one per output side, see SoundBuffer).
inline constexpr int kMaxBuffers = 1024;
inline constexpr int kSourcesPerBuffer = 2;

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
    // that a check sees only its own).
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

  private:
    AlOutput(ALCdevice* device, ALCcontext* context);
    static std::shared_ptr<AlOutput> WithContext(ALCdevice* device, const int* attributes,
                                                 const std::string& name);

    ALCdevice* device_;
    ALCcontext* context_;
};

}  // namespace tembra::device
