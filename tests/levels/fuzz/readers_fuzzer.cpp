// libFuzzer entry for the level, package and position readers.
#include <cstdio>
#include <cstdlib>

#include "levels/fuzz_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const levels_fuzz::ReaderOutcome outcome = levels_fuzz::RunReaders(data, size);
    if (!outcome.inconsistency.empty()) {
        std::fprintf(stderr, "%s\n", outcome.inconsistency.c_str());
        std::abort();
    }
    return 0;
}
