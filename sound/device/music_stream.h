// One piece of music playing from its file: decoded a block of about a
// quarter second at a time into a short queue of OpenAL buffers on one
// source, so that never more than a second of it is in memory.  A looping
// piece goes round without a gap: the block that reaches the end of the file
// is filled on from its start.
//
// Only the music player's service step uses a stream; it holds no lock of
// its own.  Decoding runs without the AL lock, the queue work with it.
#pragma once

#include <AL/al.h>
#include <sndfile.h>

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "sound/device/al_output.h"

namespace tembra::device {

class MusicStream final : public OutputUser {
  public:
    static constexpr int kBlockFrames = 11025;  // 250 ms at 44.1 kHz
    static constexpr int kQueueLength = 4;

    // Opens the file; nothing is decoded and no OpenAL object is made yet.
    // Throws std::runtime_error saying why the file cannot be played
    // (missing, not a sound file libsndfile reads, empty, more than two
    // channels).
    MusicStream(std::string path, bool looping);
    MusicStream(const MusicStream&) = delete;
    MusicStream& operator=(const MusicStream&) = delete;
    ~MusicStream();

    const std::string& Path() const { return path_; }
    bool Looping() const { return looping_; }

    // Puts the stream on an output (its source and buffers are made there
    // by the next Service).
    void Attach(std::shared_ptr<AlOutput> output);

    // Takes back the blocks that have played, decodes as many new ones,
    // queues them and (re)starts the source.  False when the stream is over:
    // a piece played once has reached its end, or the file failed to decode
    // (reported once on the error output).
    bool Service();
    void SetGain(float gain);

    // Frames decoded so far (all rounds of a loop together).
    int64_t DecodedFrames() const { return decodedFrames_; }

    void DetachAl() override;
    void AttachAl() override;

  private:
    struct Block {
        std::vector<int16_t> samples;
        int64_t start = 0;  // file frame of the first sample
    };
    struct Queued {
        ALuint buffer = 0;
        int64_t start = 0;
    };

    bool Decode(Block& block);
    void MakeAl();
    void ReleaseAl();
    void Fail(const std::string& why);

    std::string path_;
    bool looping_;
    SNDFILE* file_ = nullptr;
    SF_INFO info_{};
    std::shared_ptr<AlOutput> output_;
    ALuint source_ = 0;
    bool haveAl_ = false;
    std::array<ALuint, kQueueLength> buffers_{};
    std::vector<ALuint> free_;
    std::deque<Queued> queued_;
    int64_t filePosition_ = 0;  // frame the next block starts at
    int64_t decodedFrames_ = 0;
    bool endOfFile_ = false;
    bool failed_ = false;
    bool started_ = false;
    float gain_ = 1.0f;
};

}  // namespace tembra::device
