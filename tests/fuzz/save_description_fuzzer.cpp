// A save's description beside its pair: any bytes are read or refused,
// never a crash, only a description of the game's own format is read, and
// what reads writes back to the very same description.
#include <vector>

#include "fuzz/fuzz_support.h"
#include "game/levels/save_description.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    const auto description = game::ParseSaveDescription(bytes);
    // Only a description of this game's format is ever read.
    const auto format = game::DescriptionFormatOf(bytes);
    fuzz::Expect(!description || format == game::kDescriptionFormat,
                 "a description of another format was read");
    if (!description) return 0;
    const auto again = game::ParseSaveDescription(game::FormatSaveDescription(*description));
    fuzz::Expect(again.has_value(), "a description that read does not read back once written");
    fuzz::Expect(again == description, "a description came back changed");
    return 0;
}
