// setup.ini as the settings tool reads it: any file gives values its window
// can show; what the tool then writes reads back to the same values in the
// tool and gives the game the same settings.
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "game/core/settings.h"
#include "game/settings/setup_ini.h"

namespace {

void ExpectShowable(const settings::SetupValues& v) {
    fuzz::Expect(v.volume >= 0 && v.volume <= settings::kVolumeMax, "the volume is off its bar");
    fuzz::Expect(v.tick >= 0 && v.tick <= settings::kTickMax, "the tick is off its bar");
    fuzz::Expect(v.scale >= 0 && v.scale <= settings::kScaleMax, "the scale is off its choices");
}

void ExpectGameAgrees(const settings::SetupValues& v, const game::Settings& g) {
    fuzz::Expect(g.soundOn == v.soundOn, "the game hears the sound line differently");
    fuzz::Expect(g.volume == static_cast<float>(v.volume / 100.0), "the game reads another volume");
    fuzz::Expect(g.tickDelay == v.tick, "the game reads another tick");
    fuzz::Expect(g.view.scale == v.scale && g.view.fullScreen == v.fullScreen &&
                     g.view.pauseOnFocusLoss == v.pauseOnFocusLoss,
                 "the game reads another view");
    fuzz::Expect(g.cornerHelp == v.cornerHelp, "the game reads another help round corners");
    fuzz::Expect(g.difficulty == v.difficulty, "the game reads another difficulty");
    fuzz::Expect(g.keys == game::KeyBindings(v.keys), "the game reads other keys");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const settings::SetupValues values = settings::ParseSetupIni(text);
    ExpectShowable(values);

    const std::string path = fuzz::MemoryFileWith(data, size);
    const auto fromFile = settings::ReadSetupIni(path);
    fuzz::Expect(fromFile && *fromFile == values, "the file reads unlike its text");

    const std::string written = settings::FormatSetupIni(values);
    fuzz::Expect(settings::ParseSetupIni(written) == values,
                 "what the tool wrote reads back otherwise");
    const std::string writtenPath =
        fuzz::MemoryFileWith(reinterpret_cast<const uint8_t*>(written.data()), written.size());
    ExpectGameAgrees(values, game::ReadSettings(writtenPath));
    return 0;
}
