// setup.ini, the three-line settings file that the settings tool writes
// beside the programs and the game reads at start:
//
//   Zvuky=Ano        (or Zvuky=Ne)
//   Hlasitost=<0..100>
//   Tick=<0..20000>
//
// each line ended by CR LF.  Lines are read by position; the key names are
// never checked.
#pragma once

#include <optional>
#include <string_view>

#include <QByteArray>
#include <QString>

namespace setup {

inline constexpr int kVolumeMax = 100;
inline constexpr int kTickMax = 20000;

struct SetupValues {
    bool soundOn = true;
    int volume = kVolumeMax;  // percent
    int tick = 0;             // idle passes before every frame of the game

    bool operator==(const SetupValues&) const = default;
};

// The file name beside the program.
QString SetupIniPath(const QString& appFolder);

// Line 1: sound is on when the line, in upper case, contains "ANO".
bool SoundFromLine(std::string_view line);
// Line 2: the text after "Hlasitost=" (from the 11th character on), as the
// volume bar shows it: below 0 gives 0, above 100 gives 100, no number 100.
int VolumeFromLine(std::string_view line);
// Line 3: the text after "Tick=" (from the 6th character on), as the tick bar
// shows it: above 20000 gives 20000, below 0 gives 0, no number 0.
int TickFromLine(std::string_view line);

// Reads the file.  A missing or unreadable file gives nothing (the window
// keeps its initial state); otherwise a missing line counts as empty text.
std::optional<SetupValues> ReadSetupIni(const QString& path);

// The exact bytes the tool writes.
QByteArray FormatSetupIni(const SetupValues& values);

// Writes the file through a temporary file in the same folder that then
// replaces it, so a failure never leaves a half-written setup.ini.  Returns
// false and fills *error with the system's reason when it fails.
bool WriteSetupIni(const QString& path, const SetupValues& values, QString* error);

}  // namespace setup
