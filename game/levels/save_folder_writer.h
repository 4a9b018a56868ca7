// One writer on the save folder at a time.  A save prepared whole in memory
// (an autosave) is written and committed by a worker thread while the game
// plays on; everything the game's thread does to the save folder -- a save,
// a load, the settling of an interrupted save, the save lists -- first
// waits until that write is done.  So saves land in the order they were
// made, and no settling ever runs the worker's own commit record forward or
// removes its halves.
//
// A background write must touch nothing of the game's state (the rules are
// single-threaded): it carries what it needs, names its folder outright and
// hands back what it came to, which the game's thread takes and tells.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace game {

// What a background write came to.
struct BackgroundWriteResult {
    bool written = false;
    // Why not, for stderr.
    std::string why;
};

using BackgroundWrite = std::function<BackgroundWriteResult()>;

// Hands the write to the worker, to run after the one under way.  A write
// still waiting for its turn is dropped for this newer one: it would only
// have been replaced by it.  Without a thread to be had, the write runs at
// once.
void WriteInBackground(BackgroundWrite write);

// Returns once no background write is under way or waiting.  At once on the
// worker's own thread and when nothing is being written.
void WaitForSaveFolder();

// The results of the background writes finished since the last call, the
// oldest first (a dropped write has none).
std::vector<BackgroundWriteResult> TakeBackgroundResults();

}  // namespace game
