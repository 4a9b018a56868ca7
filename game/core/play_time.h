// How long a game has been played: frames counted while it runs and is not
// paused, from its new game on and carried through its saves and loads.  It
// is none of the rules' business, so it lives apart from their state and
// never reaches a recording.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace game {

// The frame loop counts each frame of play.
void CountPlayFrame();
// A new game starts from 0; a loaded one from what its save says (nothing
// when the save did not know).
void StartPlayTime(std::optional<uint64_t> frames);
std::optional<uint64_t> PlayFrames();

// "1:02:03" (hours, minutes, seconds at 60 frames a second; "0:05:00" for
// five minutes), "?" when unknown.
std::string PlayTimeText(std::optional<uint64_t> frames);

}  // namespace game
