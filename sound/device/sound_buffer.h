// A sound held in memory and ready to play on an output: play once or
// looping, stop, status, play position in bytes, volume, pan and frequency.
//
// Each buffer plays through two OpenAL sources placed hard left and hard
// right, each with its own gain, so that pan works as a real balance control
// (the far side is attenuated, the near side keeps full level) for mono and
// stereo sounds alike.
//
// A buffer keeps its samples, so that it can make itself again on a new
// device when the output is reopened after its device went away.
#pragma once

#include <AL/al.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "sound/device/al_output.h"
#include "sound/device/wave_file.h"

namespace tembra::device {

// What the buffer was made from, in the units of its wave file.
struct BufferDescription {
    int32_t bufferBytes = 0;
    int32_t samplesPerSecond = 0;
    int16_t channels = 0;
    int16_t bitsPerSample = 0;
    int16_t blockAlign = 0;
};

class SoundBuffer final : public OutputUser {
  public:
    static constexpr int32_t kPlayLooping = 1;    // Play flag
    static constexpr int32_t kStatusPlaying = 1;  // GetStatus bits
    static constexpr int32_t kStatusLooping = 4;
    // Volume and pan in hundredths of a decibel of attenuation.
    static constexpr int32_t kVolumeMin = -10000;
    static constexpr int32_t kVolumeMax = 0;
    static constexpr int32_t kPanLeft = -10000;
    static constexpr int32_t kPanRight = 10000;
    static constexpr int32_t kFrequencyMin = 100;
    static constexpr int32_t kFrequencyMax = 100000;
    static constexpr int32_t kFrequencyOriginal = 0;  // SetFrequency: the file's own rate

    SoundBuffer(std::shared_ptr<AlOutput> output, const WaveData& wave);
    SoundBuffer(const SoundBuffer&) = delete;
    SoundBuffer& operator=(const SoundBuffer&) = delete;
    ~SoundBuffer();

    const BufferDescription& Description() const { return description_; }

    // Buffers alive in the process: one for every slot that holds a sound.
    static int LiveBuffers();

    // Plays from the current position; a sound that played to its end starts
    // again from the beginning.  On a playing sound only the looping changes.
    void Play(int32_t flags);
    // Holds the sound where it is; the next Play goes on from there.
    void Stop();
    // 0 unless playing (a stopped or finished sound reads 0).
    int32_t GetStatus() const;

    // 0 to the buffer's length in bytes; the length itself means "at the end".
    void SetCurrentPosition(int32_t bytes);
    int32_t GetCurrentPosition() const;

    // Each value reads back exactly as it was set.
    void SetVolume(int32_t volume);
    int32_t GetVolume() const { return volume_; }
    void SetPan(int32_t pan);
    int32_t GetPan() const { return pan_; }
    void SetFrequency(int32_t frequency);
    int32_t GetFrequency() const { return frequency_; }

    // Letting go of the sound's voices on a lost device and making them
    // again on the new one: volume, pan, frequency and looping stay as set;
    // a sound that was playing (or held) goes on from where it was, or from
    // its start when the lost device no longer tells.
    void DetachAl() override;
    void AttachAl() override;

  private:
    void MakeAl();
    ALint SourceState() const;
    void ApplyGains();
    void SeekTo(int32_t frame);
    void ReleaseAl();

    std::shared_ptr<AlOutput> output_;
    BufferDescription description_;
    int32_t frames_ = 0;
    std::array<ALuint, 2> sources_{};  // left side, right side
    bool haveSources_ = false;
    std::array<ALuint, 2> alBuffers_{};
    int alBufferCount_ = 0;
    bool looping_ = false;
    int32_t volume_ = 0;
    int32_t pan_ = 0;
    int32_t frequency_ = 0;
    // A position set while the sound is not playing: OpenAL applies it on
    // the next play but does not report it before.
    std::optional<int32_t> pendingFrame_;
    bool atEnd_ = false;
    // Play was the last word (not Stop): a looping sound should be heard.
    bool wantPlaying_ = false;
    // The samples of each side (the right side is empty for a mono sound).
    std::vector<int16_t> left_, right_;
    // What DetachAl saw, for AttachAl.
    ALint detachedState_ = AL_INITIAL;
    int32_t detachedFrame_ = 0;
};

}  // namespace tembra::device
