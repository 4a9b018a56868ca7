#include "sound/device/sound_buffer.h"

#include <cmath>
#include <string>
#include <vector>

#include "sound/device/device_error.h"

namespace tembra::device {
namespace {

// Attenuation in hundredths of a decibel as a linear factor; the floor of
// the scale is silence.
float Gain(int32_t hundredthsDb) {
    if (hundredthsDb <= SoundBuffer::kVolumeMin) return 0.0f;
    return static_cast<float>(std::pow(10.0, hundredthsDb / 2000.0));
}

void CheckRange(const char* what, int32_t value, int32_t low, int32_t high) {
    if (value < low || value > high)
        Fail(kErrInvalidParam,
             std::string(what) + " " + std::to_string(value) + " outside " + std::to_string(low) +
                 " to " + std::to_string(high),
             "tembra");
}

int liveBuffers = 0;

void UploadMono(ALuint buffer, const std::vector<int16_t>& samples, int32_t rate) {
    alBufferData(buffer, AL_FORMAT_MONO16, samples.data(),
                 static_cast<ALsizei>(samples.size() * sizeof(int16_t)), rate);
}

}  // namespace

SoundBuffer::SoundBuffer(std::shared_ptr<AlOutput> output, const WaveData& wave)
    : output_(std::move(output)), frames_(wave.frames), frequency_(wave.samplesPerSecond) {
    description_.bufferBytes = wave.Bytes();
    description_.samplesPerSecond = wave.samplesPerSecond;
    description_.channels = wave.channels;
    description_.bitsPerSample = static_cast<int16_t>(wave.bytesPerSample * 8);
    description_.blockAlign = static_cast<int16_t>(wave.BlockAlign());
    if (wave.channels == 1) {
        left_ = wave.samples;
    } else {
        left_.resize(wave.frames);
        right_.resize(wave.frames);
        for (int32_t i = 0; i < wave.frames; ++i) {
            left_[i] = wave.samples[2 * i];
            right_[i] = wave.samples[2 * i + 1];
        }
    }

    AlLock lock(AlMutex());
    output_->MakeCurrent();
    try {
        MakeAl();
    } catch (...) {
        ReleaseAl();
        throw;
    }
    output_->AddUser(this);
    ++liveBuffers;
}

void SoundBuffer::MakeAl() {
    const int channels = right_.empty() ? 1 : 2;
    alGenBuffers(channels, alBuffers_.data());
    CheckAl("creating a sound buffer");
    alBufferCount_ = channels;
    UploadMono(alBuffers_[0], left_, description_.samplesPerSecond);
    if (channels == 1)
        alBuffers_[1] = alBuffers_[0];
    else
        UploadMono(alBuffers_[1], right_, description_.samplesPerSecond);
    CheckAl("filling a sound buffer");

    alGenSources(2, sources_.data());
    CheckAl("creating a voice (too many sounds at once?)");
    haveSources_ = true;
    const float pitch = static_cast<float>(frequency_) / description_.samplesPerSecond;
    for (int side = 0; side < 2; ++side) {
        const ALuint source = sources_[side];
        alSourcei(source, AL_BUFFER, static_cast<ALint>(alBuffers_[side]));
        alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
        alSource3f(source, AL_POSITION, side == 0 ? -1.0f : 1.0f, 0.0f, 0.0f);
        alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
        alSourcei(source, AL_LOOPING, looping_ ? AL_TRUE : AL_FALSE);
        alSourcef(source, AL_PITCH, pitch);
    }
    CheckAl("setting up a voice");
    ApplyGains();
}

void SoundBuffer::DetachAl() {
    detachedState_ = AL_INITIAL;
    detachedFrame_ = 0;
    if (haveSources_) {
        alGetSourcei(sources_[0], AL_SOURCE_STATE, &detachedState_);
        alGetSourcei(sources_[0], AL_SAMPLE_OFFSET, &detachedFrame_);
    }
    // A lost device stops every sound; a looping one the game still wants
    // is taken up again from its start.
    if (detachedState_ == AL_STOPPED && looping_ && wantPlaying_) {
        detachedState_ = AL_PLAYING;
        detachedFrame_ = 0;
    }
    ReleaseAl();
}

void SoundBuffer::AttachAl() {
    try {
        MakeAl();
        if (detachedState_ == AL_PLAYING || detachedState_ == AL_PAUSED) {
            for (ALuint source : sources_)
                alSourcei(source, AL_SAMPLE_OFFSET, detachedFrame_);
            if (detachedState_ == AL_PLAYING)
                alSourcePlayv(2, sources_.data());
            else
                pendingFrame_ = detachedFrame_;
        }
        alGetError();
    } catch (const DeviceError&) {
        // No voice on the new device: the sound stays silent, and every
        // call on it reports the missing voice as an OpenAL failure would.
        ReleaseAl();
    }
}

int SoundBuffer::LiveBuffers() {
    return liveBuffers;
}

SoundBuffer::~SoundBuffer() {
    AlLock lock(AlMutex());
    --liveBuffers;
    output_->RemoveUser(this);
    output_->MakeCurrent();
    ReleaseAl();
}

void SoundBuffer::ReleaseAl() {
    if (haveSources_) {
        alSourceStopv(2, sources_.data());
        alDeleteSources(2, sources_.data());
        haveSources_ = false;
    }
    if (alBufferCount_ > 0) alDeleteBuffers(alBufferCount_, alBuffers_.data());
    alBufferCount_ = 0;
    alGetError();
}

ALint SoundBuffer::SourceState() const {
    AlLock lock(AlMutex());
    output_->MakeCurrent();
    ALint state = AL_INITIAL;
    alGetSourcei(sources_[0], AL_SOURCE_STATE, &state);
    CheckAl("reading a sound's state");
    return state;
}

void SoundBuffer::Play(int32_t flags) {
    AlLock lock(AlMutex());
    const ALint state = SourceState();
    looping_ = (flags & kPlayLooping) != 0;
    {
        AlOutput::UpdateBatch batch(*output_);
        for (ALuint source : sources_)
            alSourcei(source, AL_LOOPING, looping_ ? AL_TRUE : AL_FALSE);
    }
    CheckAl("setting a sound's looping");
    if (state == AL_PLAYING) return;

    pendingFrame_.reset();
    if (atEnd_) {
        atEnd_ = false;
        // Nothing is left to play once; a looping sound goes round to the start.
        if (!looping_) return;
    }
    alSourcePlayv(2, sources_.data());
    CheckAl("playing a sound");
    wantPlaying_ = true;
}

void SoundBuffer::Stop() {
    AlLock lock(AlMutex());
    // Pausing, not stopping: OpenAL's stop would rewind the sound.
    wantPlaying_ = false;
    if (SourceState() != AL_PLAYING) return;
    alSourcePausev(2, sources_.data());
    CheckAl("stopping a sound");
}

int32_t SoundBuffer::GetStatus() const {
    AlLock lock(AlMutex());
    if (SourceState() != AL_PLAYING) return 0;
    return kStatusPlaying | (looping_ ? kStatusLooping : 0);
}

void SoundBuffer::SetCurrentPosition(int32_t bytes) {
    AlLock lock(AlMutex());
    CheckRange("position", bytes, 0, description_.bufferBytes);
    const int32_t frame = bytes / description_.blockAlign;
    const ALint state = SourceState();
    if (frame < frames_) {
        SeekTo(frame);
        atEnd_ = false;
        pendingFrame_ = (state == AL_PLAYING || state == AL_PAUSED) ? std::nullopt
                                                                    : std::optional<int32_t>(frame);
        return;
    }
    // The very end: a playing sound has reached it, a held one waits there.
    pendingFrame_.reset();
    if (state == AL_PLAYING && looping_) {
        SeekTo(0);
        return;
    }
    alSourceStopv(2, sources_.data());
    CheckAl("moving a sound to its end");
    wantPlaying_ = false;
    atEnd_ = state != AL_PLAYING;
}

void SoundBuffer::SeekTo(int32_t frame) {
    AlLock lock(AlMutex());
    const bool playing = SourceState() == AL_PLAYING;
    // Both sides move while held, so they go on in step.
    if (playing) alSourcePausev(2, sources_.data());
    for (ALuint source : sources_)
        alSourcei(source, AL_SAMPLE_OFFSET, frame);
    if (playing) alSourcePlayv(2, sources_.data());
    CheckAl("moving a sound's position");
}

int32_t SoundBuffer::GetCurrentPosition() const {
    AlLock lock(AlMutex());
    if (atEnd_) return description_.bufferBytes;
    const ALint state = SourceState();
    if (state != AL_PLAYING && state != AL_PAUSED)
        return pendingFrame_.value_or(0) * description_.blockAlign;
    ALint frame = 0;
    alGetSourcei(sources_[0], AL_SAMPLE_OFFSET, &frame);
    CheckAl("reading a sound's position");
    return frame * description_.blockAlign;
}

void SoundBuffer::SetVolume(int32_t volume) {
    AlLock lock(AlMutex());
    CheckRange("volume", volume, kVolumeMin, kVolumeMax);
    volume_ = volume;
    ApplyGains();
}

void SoundBuffer::SetPan(int32_t pan) {
    AlLock lock(AlMutex());
    CheckRange("pan", pan, kPanLeft, kPanRight);
    pan_ = pan;
    ApplyGains();
}

void SoundBuffer::ApplyGains() {
    AlLock lock(AlMutex());
    const float volume = Gain(volume_);
    {
        AlOutput::UpdateBatch batch(*output_);
        alSourcef(sources_[0], AL_GAIN, volume * Gain(pan_ > 0 ? -pan_ : 0));
        alSourcef(sources_[1], AL_GAIN, volume * Gain(pan_ < 0 ? pan_ : 0));
    }
    CheckAl("setting a sound's volume");
}

void SoundBuffer::SetFrequency(int32_t frequency) {
    AlLock lock(AlMutex());
    if (frequency != kFrequencyOriginal)
        CheckRange("frequency", frequency, kFrequencyMin, kFrequencyMax);
    frequency_ = frequency == kFrequencyOriginal ? description_.samplesPerSecond : frequency;
    const float pitch = static_cast<float>(frequency_) / description_.samplesPerSecond;
    {
        AlOutput::UpdateBatch batch(*output_);
        for (ALuint source : sources_)
            alSourcef(source, AL_PITCH, pitch);
    }
    CheckAl("setting a sound's frequency");
}

}  // namespace tembra::device
