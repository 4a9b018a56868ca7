// A level file (level<N>.sc, and each record of a package): refused, or read
// under the number its header names and written back to the same level.
#include "fuzz/fuzz_support.h"
#include "levels/fuzz_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    levels_fuzz::ReaderOutcome outcome;
    levels_fuzz::RunLevelReader(data, size, outcome);
    if (!outcome.inconsistency.empty()) fuzz::Broken(outcome.inconsistency);
    return 0;
}
