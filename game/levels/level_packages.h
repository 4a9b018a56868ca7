// Level packages: the whole working folder packed into one file for a save,
// and a package (the fresh campaign or a save) unpacked into the working
// folder.  Both show the progress window with the busy pointer.
#pragma once

#include <cstdint>
#include <string>

#include "game/levels/byte_stream.h"

namespace game {

// Packs the game in the working folder -- the UnpackedLevelCount levels of
// the package last unpacked there -- into data/saves/<name> (name with
// ".lev"), passing every level through memory, then loads LevelNumber
// again.  When one of those levels is missing or fails the level reader's
// checks, the save is refused before the save folder is touched.  The
// package is written whole under UnfinishedPackagePath() only:
// SaveGamePair puts it into place together with the position file, so a
// save that fails or is cut short leaves the previous pair as it was.
// Refused while HeroDead; a refusal or failure is told in the message log.
// True when the package is ready.
bool PackLevels(const std::string& name);

// The same package, written whole under UnfinishedPackagePath(), without
// touching the running game: the other levels are checked and copied from
// their working files, the level in play written from memory; no progress
// window, no log line and no level loaded (so an autosave leaves the game
// exactly as it was).
// False, with the reason in *why, when a working level is missing or
// damaged, or the file cannot be written.
bool PackLevelsAside(const std::string& name, std::string* why);

// Replaces the working folder by the levels of data/levels.all (name exactly
// "levels.all") or of data/saves/<name>, whose header must be name exactly.
// A name that mentions "quick" when there is no quick.lev changes nothing.
// UnpackedLevelCount becomes the package's level count.
// A missing, foreign or damaged package ends the game through the failure
// path before the working folder is touched.  Memory holds the last level
// afterwards; the caller loads the level it wants.
bool UnpackLevels(const std::string& name);

// Level record i of an open package: the level in memory written as
// StoreLevel writes it, or read into memory as LoadLevel reads it (without
// the HeroDead test and without giving the monsters a movement).  A damaged
// record ends the game through the failure path.
void WritePackedLevel(ByteWriter& package, int32_t i);
bool ReadPackedLevel(ByteReader& package, int32_t i);

// The progress bar's step for n levels: ceil(n / 37), so that the bar grows
// by at most 37 dashes.
int32_t ProgressStep(int32_t levelCount);

}  // namespace game
