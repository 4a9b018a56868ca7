// The game's settings from setup.ini (the file's lines and their reading:
// game/settings/setup_ini.h).  The game reads every line as the settings
// tool does but the volume and the tick, which it takes as they are rather
// than as the tool's bars show them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/core/access_settings.h"
#include "game/core/key_bindings.h"
#include "game/settings/setup_ini.h"

namespace game {

// How the windows are shown: lines after the first three, each
// "Name=value"; a missing or unreadable line keeps its default.  The rules
// never look at these; the window layer applies them.
struct ViewSettings {
    int16_t scale = 0;             // Zvetseni: 0 automatic, else 1 to 4
    bool fullScreen = false;       // CelaObrazovka
    bool pauseOnFocusLoss = true;  // PauzaPriPrepnuti
    bool runTimer = false;         // Casomira
};

struct Settings {
    bool soundOn = true;
    float volume = 1.0f;    // 1.0 for a volume of 100; no upper limit
    int16_t tickDelay = 0;  // idle passes before each frame
    ViewSettings view;
    // PomocNaRozich: the hero slides round corners into openings.  A rule,
    // unlike the view: a recording keeps what it was played with.
    bool cornerHelp = true;
    // Obtiznost: what a new game is; a game under way keeps its own.
    settings::Difficulty difficulty = settings::Difficulty::kNormal;
    // Hudba: the music's volume, 0 (none) to 100.
    int music = settings::kMusicVolumeDefault;
    // Jazyk: the language the windows speak.  The rules never look at it.
    settings::Language language = settings::Language::kCzech;
    // Blikani, VelkePismo, StrelbaPrepinac, MrtvaZona and Predcitani.
    AccessSettings access;
    // The same when a line chooses it; the terminal speaks the desktop's
    // language without one (game/settings/terminal_language.h).
    std::optional<settings::Language> chosenLanguage;
    // A missing or unreadable line, a reserved key (F1, F11) or a key that
    // another command shares gives the command its standard key.
    KeyBindings keys;
};

// The settings of a file's lines.
Settings SettingsOfLines(const settings::SetupLines& lines);

// Reads the file.  A missing or unreadable file gives the tool's defaults:
// sound on, volume 1.0, tick 0, the default view and the standard keys.
// Never fails; a file that is there but cannot be read is said on stderr.
Settings ReadSettings(const std::string& path);

}  // namespace game
