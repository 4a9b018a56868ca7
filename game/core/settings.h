// Reading setup.ini.  Its first three lines are the ones the settings tool
// has always written, read by position, not by key:
//   Zvuky=Ano | Zvuky=Ne, Hlasitost=<0..100>, Tick=<0..20000>
// Every later setting is a further "Name=value" line after them:
//   Zvetseni=auto|1|2|3|4, CelaObrazovka=Ano|Ne, PauzaPriPrepnuti=Ano|Ne,
//   Klavesa.Nahoru=<key> ... Klavesa.Nahrat=<key> (the chosen keys, by the
//   names of key_bindings.h)
// CR LF, LF and a lone CR all end a line, as in the settings tool.
#pragma once

#include <cstdint>
#include <string>

#include "game/core/key_bindings.h"

namespace game {

// How the windows are shown: lines after the first three, each
// "Name=value"; a missing or unreadable line keeps its default.  The rules
// never look at these; the window layer applies them.
struct ViewSettings {
    int16_t scale = 0;             // Zvetseni: 0 automatic, else 1 to 4
    bool fullScreen = false;       // CelaObrazovka
    bool pauseOnFocusLoss = true;  // PauzaPriPrepnuti
};

struct Settings {
    bool soundOn = true;
    float volume = 1.0f;    // 1.0 for a volume of 100; no upper limit
    int16_t tickDelay = 0;  // idle passes before each frame
    ViewSettings view;
    // A missing or unreadable line, a reserved key (F1, F11) or a key that
    // another command shares gives the command its standard key.
    KeyBindings keys;
};

// The three values of the lines' texts.  A missing line counts as empty.
bool SoundLineTurnsSoundOn(const std::string& line1);
// A volume too large for a float gives the largest float.
float VolumeOfLine(const std::string& line2);
int16_t TickDelayOfLine(const std::string& line3);

// Reads the file.  A missing or unreadable file gives the tool's defaults:
// sound on, volume 1.0, tick 0, and the default view.  Never fails.
Settings ReadSettings(const std::string& path);

}  // namespace game
