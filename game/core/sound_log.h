// The sound library's own log, as the game looks after it.
#pragma once

#include <cstddef>

#include "tembra/soundsys.h"

namespace game {

// The sound library appends a line to its log for every cue it could not
// play (in a big fight all its slots are busy, several cues a frame) and
// never empties it; the game never reads it.  Left alone it would grow by
// megabytes an hour of fighting, so the game keeps only its newest lines:
// past kSoundLogLimit bytes it is cut back to the whole lines of its last
// kSoundLogKeep bytes.
inline constexpr std::size_t kSoundLogLimit = 32 * 1024;
inline constexpr std::size_t kSoundLogKeep = 16 * 1024;

void KeepSoundLogShort(tembra::_SoundSys& sound);

}  // namespace game
