// A save's position file (.pos): refused, or read and written back with every
// value the same, floats bit for bit.
#include "fuzz/fuzz_support.h"
#include "levels/fuzz_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    levels_fuzz::ReaderOutcome outcome;
    levels_fuzz::RunPositionReader(data, size, outcome);
    if (!outcome.inconsistency.empty()) fuzz::Broken(outcome.inconsistency);
    return 0;
}
