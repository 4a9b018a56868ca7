// setup.ini, the settings file that the settings tool writes beside the
// programs and the game reads at start.  Its first three lines are the ones
// the tool has always written, read by position (the key names are never
// checked):
//
//   Zvuky=Ano        (or Zvuky=Ne)
//   Hlasitost=<0..100>
//   Tick=<0..20000>
//
// Every later setting is a "Name=value" line after them:
//
//   Zvetseni=auto|1|2|3|4
//   CelaObrazovka=Ano|Ne
//   PauzaPriPrepnuti=Ano|Ne
//   Klavesa.Nahoru=<key> ... Klavesa.Nahrat=<key>   (chosen_keys.h)
//
// Names and values are read without regard to ASCII case and to the blanks
// around them; a value that does not read gives the default, a name given
// twice takes its last line, a missing line means its default.  The tool
// writes every line ended by CR LF and reads CR LF, LF or a lone CR.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QByteArray>
#include <QString>

#include "setup/chosen_keys.h"

namespace setup {

inline constexpr int kVolumeMax = 100;
inline constexpr int kTickMax = 20000;
inline constexpr int kScaleMax = 4;

struct SetupValues {
    bool soundOn = true;
    int volume = kVolumeMax;       // percent
    int tick = 0;                  // idle passes before every frame of the game
    int scale = 0;                 // the game's windows enlarged: 0 automatic, else 1 to 4
    bool fullScreen = false;       // the game starts covering the screen
    bool pauseOnFocusLoss = true;  // time stops when the game loses the keyboard
    // The commands' keys; a key line that does not read, or a key two
    // commands share, gives the default.
    KeyChoice keys = DefaultKeys();
    // Lines after the third that the tool does not know (settings of a newer
    // game, say), kept in their order when the file is written again.
    std::vector<std::string> otherLines;

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

// The values of a whole file's text.  A missing line counts as empty text.
SetupValues ParseSetupIni(std::string_view text);

// Reads the file.  A missing or unreadable file, or one that is no regular
// file of a sensible size (a folder, a pipe, a device, a huge file), gives
// nothing (the window keeps its initial state).
std::optional<SetupValues> ReadSetupIni(const QString& path);

// The exact bytes the tool writes.
QByteArray FormatSetupIni(const SetupValues& values);

// Writes the file through a temporary file in the same folder that then
// replaces it (flushed to the disk, a link in its place replaced, not
// followed), so a failure never leaves a half-written setup.ini.  When the
// folder refuses new files but the file itself is writable, the file is
// rewritten in place instead: the new text, flushed, then the file cut to
// its length.  Returns false and fills *error with the failing step and the
// system's reason when it fails.
bool WriteSetupIni(const QString& path, const SetupValues& values, QString* error);

}  // namespace setup
