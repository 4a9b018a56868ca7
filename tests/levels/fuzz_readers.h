// The three file readers run over arbitrary bytes, as the fuzzer and the
// mutation test feed them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "game/levels/level_record.h"

namespace levels_fuzz {

struct ReaderOutcome {
    bool levelRead = false;
    bool packageRead = false;
    bool positionRead = false;
    // Empty when every file that was read wrote back and read back the same.
    std::string inconsistency;
};

// Reads the bytes as a level record (under the number its header names), as
// a package with and without a header, and as a position file.  What reads
// is written again and must read back identically.
ReaderOutcome RunReaders(const uint8_t* data, size_t size);

// The same for one reader at a time, as the fuzz target of each file kind
// runs it.
void RunLevelReader(const uint8_t* data, size_t size, ReaderOutcome& outcome);
void RunPackageReader(const uint8_t* data, size_t size, ReaderOutcome& outcome);
void RunPositionReader(const uint8_t* data, size_t size, ReaderOutcome& outcome);

// Two level records are the same field for field, floats bit for bit (so
// -0.0 stays -0.0).
bool SameLevel(const game::LevelRecord& a, const game::LevelRecord& b);

}  // namespace levels_fuzz
