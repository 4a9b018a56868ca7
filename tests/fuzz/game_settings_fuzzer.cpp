// setup.ini as the game reads it at start: any file gives settings the game
// can run with.
#include <cmath>

#include "fuzz/fuzz_support.h"
#include "game/core/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::MemoryFileWith(data, size);
    const game::Settings settings = game::ReadSettings(path);
    fuzz::Expect(std::isfinite(settings.volume) && settings.volume >= 0.0f,
                 "the volume is negative or not a number");
    fuzz::Expect(settings.tickDelay >= 0, "the tick delay is negative");
    fuzz::Expect(settings.view.scale >= 0 && settings.view.scale <= 4,
                 "the scale is outside automatic and 1 to 4");
    return 0;
}
