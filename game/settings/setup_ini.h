// setup.ini, the settings file that the settings tool writes and the game
// reads at start.  Its first three lines are the ones the tool has always
// written, read by position (the key names are never checked):
//
//   Zvuky=Ano        (or Zvuky=Ne)
//   Hlasitost=<0..100>
//   Tick=<0..20000>
//
// Every later setting is a "Name=value" line after them:
//
//   Zvetseni=auto|1|2|3|4|vypln
//   CelaObrazovka=Ano|Ne
//   PauzaPriPrepnuti=Ano|Ne
//   PomocNaRozich=Ano|Ne
//   Obtiznost=normalni|lehka   (written only for the easy game)
//   Klavesa.Nahoru=<key> ... Klavesa.Nahrat=<key>   (setup_keys.h)
//   Hudba=<0..100>   the music's volume (Hlasitost is the effects')
//   Jazyk=cs|en      the language of the game's and the tool's texts
//   Blikani=Ano|Ne          Ne: nothing of the game flashes or pulses
//   VelkePismo=Ano|Ne       Ano: the texts a player reads are larger
//   StrelbaPrepinac=Ano|Ne  Ano: one press of fire starts firing, the next stops
//   MrtvaZona=<5..60>       where the pad's left stick takes hold, % of its travel
//   Predcitani=Ano|Ne       Ano: the game reads its texts aloud
//   (these five are written only when they differ from their defaults, so
//   the file of a player who needs none of them stays as it was)
//   Casomira=Ano|Ne  the run's time over the play field (written only when on)
//
// Names and values are read without regard to ASCII case and to the blanks
// (spaces, tabs) around them; a value that does not read gives the default,
// a name given twice takes its last line (even when that line's value does
// not read), a missing line means its default.  The tool writes every line
// ended by CR LF; CR LF, LF and a lone CR all end a line.
//
// The game and the tool read every line alike but the volume and the tick:
// the tool shows them on its bars (BarVolumeOfLine, BarTickOfLine), the game
// takes them as they are (GameVolumeOfLine, GameTickOfLine).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/settings/difficulty_setting.h"
#include "game/settings/setup_keys.h"

namespace settings {

inline constexpr std::string_view kSetupIniName = "setup.ini";
inline constexpr int kVolumeMax = 100;
inline constexpr int kTickMax = 20000;
inline constexpr int kScaleMax = 4;
// Zvetseni=vypln: the largest factor that fits, not necessarily whole (the
// settings tool's last choice, after 4x).
inline constexpr int kScaleFill = kScaleMax + 1;
inline constexpr int kMusicVolumeDefault = 70;
// MrtvaZona: how far the left stick must go before it points somewhere, in
// percent of its travel; it lets go again kDeadZoneLetGo points lower.
inline constexpr int kDeadZoneMin = 5;
inline constexpr int kDeadZoneMax = 60;
inline constexpr int kDeadZoneDefault = 35;
inline constexpr int kDeadZoneLetGo = 10;

// The language the windows speak.  Czech is the game's own; English is a
// translation of its texts.
enum class Language : uint8_t { kCzech, kEnglish };
// "cs" or "en", as the line writes it.
std::string_view LanguageCode(Language language);

struct SetupValues {
    bool soundOn = true;
    int volume = kVolumeMax;  // percent, as the tool's bar shows it
    int tick = 0;             // idle passes before every frame, as the tool's bar shows it
    int scale = 0;            // the game's windows enlarged: 0 automatic, 1 to 4, or kScaleFill
    bool fullScreen = false;  // the game starts covering the screen
    bool pauseOnFocusLoss = true;  // time stops when the game loses the keyboard
    bool cornerHelp = true;        // the hero slides round corners into openings
    // Obtiznost: "normalni" or "lehka" without regard to case; a value that
    // does not read gives the normal game.  New games take it.
    Difficulty difficulty = Difficulty::kNormal;
    // The commands' keys; a key line that does not read, a reserved key or
    // a key two commands share gives the standard key.
    KeyCodes keys = DefaultKeys();
    // The music's volume, 0 (no music) to 100; a value that does not read
    // gives 70, one outside is held to the ends, rounded half to even.
    int music = kMusicVolumeDefault;
    // Jazyk: "cs" or "en" without regard to case; a value that does not read
    // gives Czech.
    Language language = Language::kCzech;
    // Blikani: the hurt flash, the pulsing edge of low lives, the panel's
    // flashing lives and the brightest frames of explosions; Ne stills them.
    bool flashing = true;
    // VelkePismo: the texts a player reads drawn at least 1.3 times larger.
    bool largeText = false;
    // StrelbaPrepinac: fire is switched on and off by its key instead of held.
    bool fireToggles = false;
    // MrtvaZona: a number held to 5..60, rounded half to even; one that does
    // not read gives 35.
    int deadZone = kDeadZoneDefault;
    // Predcitani: menus, dialogs, signs and notices are read aloud.
    bool speech = false;
    // Casomira: the run's play time in a corner of the play field, for
    // those who race.
    bool runTimer = false;
    // Lines after the third that neither program knows (settings of a newer
    // game, say), kept in their order when the tool writes the file again.
    // Blank lines are not kept.
    std::vector<std::string> otherLines;

    bool operator==(const SetupValues&) const = default;
};

// A file's text in lines, without their ends.  A missing line of the first
// three counts as empty.
struct SetupLines {
    std::string sound;
    std::string volume;
    std::string tick;
    std::vector<std::string> later;  // every line after the third
};
SetupLines SplitSetupIni(std::string_view text);

// Line 1: sound is on when the line, in upper case, contains "ANO".
bool SoundOfLine(std::string_view line);
// Line 2: the text after "Hlasitost=" (from the 11th character on).  As the
// tool's volume bar shows it: below 0 gives 0, above 100 gives 100, no
// number 100, rounded half to even.
int BarVolumeOfLine(std::string_view line);
// As the game plays it: 1.0 for a volume of 100, with no upper limit; below
// 0 gives 0, no number 1.0, a volume too large for a float the largest
// float.  Numbers may have an exponent ("5e1").
float GameVolumeOfLine(std::string_view line);
// Line 3: the text after "Tick=" (from the 6th character on).  As the
// tool's tick bar shows it: above 20000 gives 20000, below 0 gives 0, no
// number 0, rounded half to even.
int BarTickOfLine(std::string_view line);
// As the game waits: below 0 or no number gives 0, above 32767 gives 32767,
// rounded half to even; numbers may have an exponent.
int16_t GameTickOfLine(std::string_view line);

// The values of a file's lines, the volume and the tick as the tool's bars
// show them.
SetupValues ValuesOfLines(const SetupLines& lines);
// The values of a whole file's text.
SetupValues ParseSetupIni(std::string_view text);
// The language the lines choose: that of the last Jazyk line, as for every
// setting; nothing without one or when its value does not read (the values
// then say Czech).
std::optional<Language> ChosenLanguage(const SetupLines& lines);

// Reads the file's lines.  A missing or unreadable file, or one that is no
// regular file of a sensible size (a folder, a pipe, a device, a huge file),
// gives nothing, without waiting.
std::optional<SetupLines> ReadSetupLines(const std::string& path);
// The same, read into values.
std::optional<SetupValues> ReadSetupIni(const std::string& path);

// The exact bytes the tool writes: the three old lines, the view's lines
// (with "Obtiznost=lehka" after the corner help's line for the easy game
// only, so the file of a normal game stays as it always was), every
// command's key line, the music's and the language's lines, the lines of
// Blikani, VelkePismo, StrelbaPrepinac, MrtvaZona and Predcitani that differ
// from their defaults, "Casomira=Ano" when the timer is on (a file without
// these stays as it was), then the other lines, each ended by CR LF.
std::string FormatSetupIni(const SetupValues& values);

// Writes the file through a temporary file in the same folder that then
// replaces it (flushed to the disk, a link in its place replaced, not
// followed), so a failure never leaves a half-written setup.ini.  When the
// folder refuses new files but the file itself is writable, the file is
// rewritten in place instead: the new text, flushed, then the file cut to
// its length.  Returns false and fills *error with the failing step and the
// system's reason when it fails.
bool WriteSetupIni(const std::string& path, const SetupValues& values, std::string* error);

}  // namespace settings
