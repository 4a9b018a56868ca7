// The rules' state of a running game as bytes: what a recording starts
// from, and what its checksums cover.  The floating texts travel with a
// snapshot (a watched game shows them) but are left out of the checksum,
// as is the message log, which is not part of the rules' state at all.
#pragma once

#include <cstdint>
#include <vector>

namespace replay {

// The rules' state as it is now; with floatTexts the floating texts too.
std::vector<uint8_t> TakeSnapshot(bool floatTexts = true);
// Puts a snapshot taken with the floating texts back; false, with nothing
// changed, when the bytes are not a whole snapshot.
bool RestoreSnapshot(const std::vector<uint8_t>& bytes);

// CRC-32 of the working level files, level0.sc up to the first number
// without a file, names and contents.
uint32_t WorkingLevelsDigest();

// The state checksum: the rules' state without the floating texts, and the
// working levels.  The levels' part is read from the folder again only after
// a level file was written, so a checksum costs little between level changes.
class StateChecksum {
  public:
    uint32_t Compute();

  private:
    std::vector<uint8_t> scratch_;
    uint32_t levelsGeneration_ = 0;
    uint32_t levelsDigest_ = 0;
    bool levelsKnown_ = false;
};

}  // namespace replay
