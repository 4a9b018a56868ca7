#include "game/core/settings.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

#include "game/core/terminal.h"
#include "game/platform/shown_text.h"
#include "game/platform/view_scale.h"

namespace game {

// The file's "vypln" is the view's own choice to fill: one number for both.
static_assert(settings::kScaleFill == platform::kFillChoice);

Settings SettingsOfLines(const settings::SetupLines& lines) {
    const settings::SetupValues values = settings::ValuesOfLines(lines);
    Settings s;
    s.soundOn = values.soundOn;
    s.volume = settings::GameVolumeOfLine(lines.volume);
    s.tickDelay = settings::GameTickOfLine(lines.tick);
    s.view.scale = static_cast<int16_t>(values.scale);
    s.view.fullScreen = values.fullScreen;
    s.view.pauseOnFocusLoss = values.pauseOnFocusLoss;
    s.view.runTimer = values.runTimer;
    s.cornerHelp = values.cornerHelp;
    s.difficulty = values.difficulty;
    s.music = values.music;
    s.language = values.language;
    s.access = AccessOf(values);
    s.chosenLanguage = settings::ChosenLanguage(lines);
    s.keys = KeyBindings(values.keys);
    return s;
}

Settings ReadSettings(const std::string& path) {
    // A folder, a pipe, a device or a huge file in the file's place is no
    // settings file: the defaults hold, without a hang.
    const std::optional<settings::SetupLines> lines = settings::ReadSetupLines(path);
    if (!lines) {
        std::error_code ec;
        if (std::filesystem::exists(path, ec))
            Tell(SHOWN_TEXT("Terminal",
                            "Soubor %1 nelze přečíst jako nastavení, platí výchozí nastavení"),
                 {path});
        return Settings{};
    }
    return SettingsOfLines(*lines);
}

}  // namespace game
