#include "sound/device/music_stream.h"

#include <AL/alext.h>

#include <cstdio>
#include <stdexcept>

namespace tembra::device {

MusicStream::MusicStream(std::string path, bool looping)
    : path_(std::move(path)), looping_(looping) {
    file_ = sf_open(path_.c_str(), SFM_READ, &info_);
    if (!file_) throw std::runtime_error(sf_strerror(nullptr));
    std::string why;
    if (info_.channels < 1 || info_.channels > 2)
        why = "music has one or two channels, not " + std::to_string(info_.channels);
    else if (info_.frames <= 0)
        why = "the file holds no sound";
    else if (info_.samplerate < 1000 || info_.samplerate > 192000)
        why = "no playable sample rate (" + std::to_string(info_.samplerate) + " Hz)";
    if (!why.empty()) {
        sf_close(file_);
        throw std::runtime_error(why);
    }
}

MusicStream::~MusicStream() {
    if (output_) {
        AlLock lock(AlMutex());
        output_->RemoveUser(this);
        output_->MakeCurrent();
        ReleaseAl();
    }
    sf_close(file_);
}

void MusicStream::Attach(std::shared_ptr<AlOutput> output) {
    output_ = std::move(output);
    output_->AddUser(this);
}

void MusicStream::Fail(const std::string& why) {
    if (failed_) return;
    failed_ = true;
    std::fprintf(stderr, "tembra: music stopped, %s: %s\n", path_.c_str(), why.c_str());
}

void MusicStream::MakeAl() {
    alGetError();
    alGenSources(1, &source_);
    if (alGetError() != AL_NO_ERROR) return;
    alGenBuffers(kQueueLength, buffers_.data());
    if (alGetError() != AL_NO_ERROR) {
        alDeleteSources(1, &source_);
        return;
    }
    haveAl_ = true;
    // Music is not placed anywhere: its two sides go straight to the
    // speakers' two sides.
    alSourcei(source_, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(source_, AL_POSITION, 0.0f, 0.0f, 0.0f);
    alSourcef(source_, AL_ROLLOFF_FACTOR, 0.0f);
    alSourcei(source_, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
    alSourcef(source_, AL_GAIN, gain_);
    alGetError();
    free_.assign(buffers_.begin(), buffers_.end());
    queued_.clear();
}

void MusicStream::ReleaseAl() {
    if (!haveAl_) return;
    alSourceStop(source_);
    alSourcei(source_, AL_BUFFER, 0);
    alDeleteSources(1, &source_);
    alDeleteBuffers(kQueueLength, buffers_.data());
    alGetError();
    haveAl_ = false;
    free_.clear();
    queued_.clear();
}

void MusicStream::DetachAl() {
    // What was queued but not heard is decoded again on the new device.
    const int64_t resume = queued_.empty() ? filePosition_ : queued_.front().start;
    ReleaseAl();
    if (sf_seek(file_, resume, SEEK_SET) >= 0) {
        filePosition_ = resume;
        endOfFile_ = false;
    }
}

void MusicStream::AttachAl() {
    MakeAl();
}

bool MusicStream::Decode(Block& block) {
    const int channels = info_.channels;
    block.start = filePosition_;
    block.samples.resize(static_cast<size_t>(kBlockFrames) * channels);
    sf_count_t got = 0;
    bool rewound = false;
    while (got < kBlockFrames) {
        sf_count_t n =
            sf_readf_short(file_, block.samples.data() + got * channels, kBlockFrames - got);
        if (sf_error(file_) != SF_ERR_NO_ERROR) {
            Fail(sf_strerror(file_));
            return false;
        }
        if (n < 0) n = 0;
        got += n;
        filePosition_ += n;
        if (got == kBlockFrames) break;
        // The end of the file.
        if (!looping_) {
            endOfFile_ = true;
            break;
        }
        if (n == 0 && rewound) {
            Fail("no sound decodes from the file");
            return false;
        }
        if (sf_seek(file_, 0, SEEK_SET) < 0) {
            Fail("cannot go back to the start of the piece");
            return false;
        }
        filePosition_ = 0;
        rewound = true;
    }
    block.samples.resize(static_cast<size_t>(got) * channels);
    decodedFrames_ += got;
    return true;
}

bool MusicStream::Service() {
    if (failed_) return false;
    if (!output_) return true;
    size_t wanted = 0;
    {
        AlLock lock(AlMutex());
        output_->MakeCurrent();
        if (!haveAl_) MakeAl();
        if (!haveAl_) {
            Fail("no voice is free for music");
            return false;
        }
        ALint processed = 0;
        alGetSourcei(source_, AL_BUFFERS_PROCESSED, &processed);
        for (; processed > 0 && !queued_.empty(); --processed) {
            ALuint buffer = 0;
            alSourceUnqueueBuffers(source_, 1, &buffer);
            queued_.pop_front();
            free_.push_back(buffer);
        }
        wanted = free_.size();
    }

    std::vector<Block> blocks;
    while (blocks.size() < wanted && !endOfFile_) {
        Block block;
        if (!Decode(block)) return false;
        if (block.samples.empty()) break;
        blocks.push_back(std::move(block));
    }

    AlLock lock(AlMutex());
    output_->MakeCurrent();
    const ALenum format = info_.channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
    for (const Block& block : blocks) {
        const ALuint buffer = free_.back();
        free_.pop_back();
        alBufferData(buffer, format, block.samples.data(),
                     static_cast<ALsizei>(block.samples.size() * sizeof(int16_t)),
                     info_.samplerate);
        alSourceQueueBuffers(source_, 1, &buffer);
        queued_.push_back({buffer, block.start});
    }
    alSourcef(source_, AL_GAIN, gain_);
    if (queued_.empty()) return !endOfFile_;
    ALint state = AL_INITIAL;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    // The first start, or a start again after the queue ran dry.
    if (state != AL_PLAYING) alSourcePlay(source_);
    if (const ALenum error = alGetError(); error != AL_NO_ERROR) {
        const char* text = alGetString(error);
        Fail(std::string("OpenAL: ") + (text ? text : "error"));
        return false;
    }
    return true;
}

void MusicStream::SetGain(float gain) {
    gain_ = gain;
}

}  // namespace tembra::device
