// A level package, as the fresh campaign (no header) and as a save's .lev
// (its name as a header): refused, or read whole and written back the same.
#include "fuzz/fuzz_support.h"
#include "levels/fuzz_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    levels_fuzz::ReaderOutcome outcome;
    levels_fuzz::RunPackageReader(data, size, outcome);
    if (!outcome.inconsistency.empty()) fuzz::Broken(outcome.inconsistency);
    return 0;
}
