// Reading setup.ini, the three lines the settings tool writes:
//   Zvuky=Ano | Zvuky=Ne, Hlasitost=<0..100>, Tick=<0..20000>
// Lines are read by position, not by key.
#pragma once

#include <cstdint>
#include <string>

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
};

// The three values of the lines' texts.  A missing line counts as empty.
bool SoundLineTurnsSoundOn(const std::string& line1);
float VolumeOfLine(const std::string& line2);
int16_t TickDelayOfLine(const std::string& line3);

// Reads the file.  A missing or unreadable file gives the tool's defaults:
// sound on, volume 1.0, tick 0.  Never fails.
Settings ReadSettings(const std::string& path);

}  // namespace game
