// The English catalogue beside levels.all: any bytes are read or refused
// with a line, never a crash, and what reads writes back to the very same
// texts.
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "game/levels/text_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using game::TextCatalogue;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto catalogue = TextCatalogue::Parse(text, &error);
    if (!catalogue) {
        fuzz::Expect(error.rfind("line ", 0) == 0 || error.find("larger") != std::string::npos,
                     "a refusal does not name its line");
        return 0;
    }
    const auto again =
        TextCatalogue::Parse(game::FormatTextCatalogue(catalogue->Entries()), &error);
    fuzz::Expect(again.has_value(), "a catalogue that read does not read back once written");
    fuzz::Expect(again->Entries() == catalogue->Entries(), "a catalogue came back changed");
    return 0;
}
