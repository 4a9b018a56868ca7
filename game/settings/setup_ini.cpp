#include "game/settings/setup_ini.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <iterator>
#include <limits>
#include <utility>

#include "game/platform/durable_file.h"
#include "game/platform/file_io.h"
#include "game/platform/numbers.h"
#include "game/platform/rounding.h"
#include "game/settings/number_text.h"

namespace settings {
namespace {

constexpr std::size_t kVolumeKeyLength = 10;  // "Hlasitost="
constexpr std::size_t kTickKeyLength = 5;     // "Tick="
// Far beyond any settings file: a bigger one is not read.
constexpr std::size_t kLargestSetupIni = 1 << 20;

// The text from a fixed position on; a line too short for its key has no value.
std::string_view ValuePart(std::string_view line, std::size_t keyLength) {
    return line.size() > keyLength ? line.substr(keyLength) : std::string_view{};
}

// The text's lines without their ends.  CR LF, LF and a lone CR all end a
// line, so a file edited on any system reads the same.
std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

std::string_view TrimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

char UpperLineChar(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameWord(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return UpperLineChar(x) == UpperLineChar(y); });
}

constexpr std::string_view kScaleName = "Zvetseni";
constexpr std::string_view kFullScreenName = "CelaObrazovka";
constexpr std::string_view kPauseName = "PauzaPriPrepnuti";
constexpr std::string_view kCornerName = "PomocNaRozich";
constexpr std::string_view kDifficultyName = "Obtiznost";
constexpr std::string_view kMusicName = "Hudba";
constexpr std::string_view kLanguageName = "Jazyk";
constexpr std::string_view kFlashingName = "Blikani";
constexpr std::string_view kLargeTextName = "VelkePismo";
constexpr std::string_view kFireToggleName = "StrelbaPrepinac";
constexpr std::string_view kDeadZoneName = "MrtvaZona";
constexpr std::string_view kSpeechName = "Predcitani";
constexpr std::string_view kRunTimerName = "Casomira";

// A line of a later setting, split at its first "=".
struct NamedLine {
    std::string_view name;
    std::string_view value;
};

std::optional<NamedLine> SplitNamedLine(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return NamedLine{TrimBlanks(line.substr(0, equals)), TrimBlanks(line.substr(equals + 1))};
}

// The command of a "Klavesa." line's name.
std::optional<std::size_t> KeyCommandOfName(std::string_view name) {
    if (name.size() < kKeyLinePrefix.size() ||
        !SameWord(name.substr(0, kKeyLinePrefix.size()), kKeyLinePrefix))
        return std::nullopt;
    name.remove_prefix(kKeyLinePrefix.size());
    for (std::size_t i = 0; i < kCommandCount; ++i)
        if (SameWord(name, KeyCommands()[i].settingName)) return i;
    return std::nullopt;
}

bool IsKnownName(std::string_view name) {
    return SameWord(name, kScaleName) || SameWord(name, kFullScreenName) ||
           SameWord(name, kPauseName) || SameWord(name, kCornerName) ||
           SameWord(name, kDifficultyName) || SameWord(name, kMusicName) ||
           SameWord(name, kLanguageName) || SameWord(name, kFlashingName) ||
           SameWord(name, kLargeTextName) || SameWord(name, kFireToggleName) ||
           SameWord(name, kDeadZoneName) || SameWord(name, kSpeechName) ||
           SameWord(name, kRunTimerName) || KeyCommandOfName(name).has_value();
}

// "auto" gives 0, "1" to "4" the scale itself, "vypln" kScaleFill.
std::optional<int> ScaleFromValue(std::string_view value) {
    if (SameWord(value, "auto")) return 0;
    if (SameWord(value, "vypln")) return kScaleFill;
    if (value.size() == 1 && value[0] >= '1' && value[0] <= '0' + kScaleMax) return value[0] - '0';
    return std::nullopt;
}

// A number, held to low..high and rounded half to even.
std::optional<int> NumberWithin(std::string_view value, int low, int high) {
    if (value.empty() || !IsNumber(value)) return std::nullopt;
    const double v = LeadingNumber(value);
    if (!(v >= low)) return low;
    if (v > high) return high;
    return RoundHalfEven(v);
}

std::optional<int> MusicVolumeFromValue(std::string_view value) {
    return NumberWithin(value, 0, kVolumeMax);
}

std::optional<Language> LanguageFromValue(std::string_view value) {
    if (SameWord(value, LanguageCode(Language::kCzech))) return Language::kCzech;
    if (SameWord(value, LanguageCode(Language::kEnglish))) return Language::kEnglish;
    return std::nullopt;
}

std::optional<Difficulty> DifficultyFromValue(std::string_view value) {
    if (SameWord(value, "normalni")) return Difficulty::kNormal;
    if (SameWord(value, "lehka")) return Difficulty::kEasy;
    return std::nullopt;
}

std::optional<bool> YesNoFromValue(std::string_view value) {
    if (SameWord(value, "Ano")) return true;
    if (SameWord(value, "Ne")) return false;
    return std::nullopt;
}

// A chosen key: one the game sees and that is not reserved.
std::optional<int16_t> ChosenKeyOfValue(std::string_view value) {
    const std::optional<int16_t> key = KeyCodeOfName(value);
    if (key && CanBeChosen(*key)) return key;
    return std::nullopt;
}

}  // namespace

std::string_view LanguageCode(Language language) {
    return language == Language::kEnglish ? "en" : "cs";
}

SetupLines SplitSetupIni(std::string_view text) {
    std::vector<std::string> lines = SplitLines(text);
    if (lines.size() < 3) lines.resize(3);
    SetupLines split;
    split.sound = std::move(lines[0]);
    split.volume = std::move(lines[1]);
    split.tick = std::move(lines[2]);
    split.later.assign(std::make_move_iterator(lines.begin() + 3),
                       std::make_move_iterator(lines.end()));
    return split;
}

bool SoundOfLine(std::string_view line) {
    static constexpr std::string_view kYes = "ANO";
    for (std::size_t start = 0; start + kYes.size() <= line.size(); ++start)
        if (SameWord(line.substr(start, kYes.size()), kYes)) return true;
    return false;
}

int BarVolumeOfLine(std::string_view line) {
    std::string_view v = ValuePart(line, kVolumeKeyLength);
    if (LeadingNumber(v) < 0) v = "0";
    if (LeadingNumber(v) > kVolumeMax) v = "100";
    if (!IsNumber(v)) v = "100";
    return RoundHalfEven(LeadingNumber(v));
}

float GameVolumeOfLine(std::string_view line) {
    std::string_view v = ValuePart(line, kVolumeKeyLength);
    if (!platform::IsNumber(v)) v = "100";
    if (platform::LeadingNumber(v) < 0) v = "0";
    // A value beyond the float's range saturates instead of overflowing.
    const double volume = platform::LeadingNumber(v) / 100.0;
    constexpr double kLargest = std::numeric_limits<float>::max();
    return static_cast<float>(std::min(volume, kLargest));
}

int BarTickOfLine(std::string_view line) {
    std::string_view t = ValuePart(line, kTickKeyLength);
    if (LeadingNumber(t) > kTickMax) t = "20000";
    if (LeadingNumber(t) < 0) t = "0";
    if (!IsNumber(t)) t = "0";
    return RoundHalfEven(LeadingNumber(t));
}

int16_t GameTickOfLine(std::string_view line) {
    std::string_view t = ValuePart(line, kTickKeyLength);
    if (!platform::IsNumber(t)) t = "0";
    if (platform::LeadingNumber(t) < 0) t = "0";
    return platform::CInt(platform::LeadingNumber(t));
}

SetupValues ValuesOfLines(const SetupLines& lines) {
    SetupValues values;
    values.soundOn = SoundOfLine(lines.sound);
    values.volume = BarVolumeOfLine(lines.volume);
    values.tick = BarTickOfLine(lines.tick);

    // A later line of a known name replaces what an earlier one said, even
    // with a value that does not read: that gives the default.
    for (const std::string& text : lines.later) {
        const std::optional<NamedLine> line = SplitNamedLine(text);
        if (!line || !IsKnownName(line->name)) {
            // Blank lines carry nothing worth keeping.
            if (!TrimBlanks(text).empty()) values.otherLines.push_back(text);
        } else if (SameWord(line->name, kScaleName)) {
            values.scale = ScaleFromValue(line->value).value_or(0);
        } else if (SameWord(line->name, kFullScreenName)) {
            values.fullScreen = YesNoFromValue(line->value).value_or(false);
        } else if (SameWord(line->name, kPauseName)) {
            values.pauseOnFocusLoss = YesNoFromValue(line->value).value_or(true);
        } else if (SameWord(line->name, kCornerName)) {
            values.cornerHelp = YesNoFromValue(line->value).value_or(true);
        } else if (SameWord(line->name, kDifficultyName)) {
            values.difficulty = DifficultyFromValue(line->value).value_or(Difficulty::kNormal);
        } else if (SameWord(line->name, kMusicName)) {
            values.music = MusicVolumeFromValue(line->value).value_or(kMusicVolumeDefault);
        } else if (SameWord(line->name, kLanguageName)) {
            values.language = LanguageFromValue(line->value).value_or(Language::kCzech);
        } else if (SameWord(line->name, kFlashingName)) {
            values.flashing = YesNoFromValue(line->value).value_or(true);
        } else if (SameWord(line->name, kLargeTextName)) {
            values.largeText = YesNoFromValue(line->value).value_or(false);
        } else if (SameWord(line->name, kFireToggleName)) {
            values.fireToggles = YesNoFromValue(line->value).value_or(false);
        } else if (SameWord(line->name, kDeadZoneName)) {
            values.deadZone =
                NumberWithin(line->value, kDeadZoneMin, kDeadZoneMax).value_or(kDeadZoneDefault);
        } else if (SameWord(line->name, kSpeechName)) {
            values.speech = YesNoFromValue(line->value).value_or(false);
        } else if (SameWord(line->name, kRunTimerName)) {
            values.runTimer = YesNoFromValue(line->value).value_or(false);
        } else {
            const std::size_t command = *KeyCommandOfName(line->name);
            values.keys[command] =
                ChosenKeyOfValue(line->value).value_or(KeyCommands()[command].defaultKey);
        }
    }
    SettleSharedKeys(values.keys);
    return values;
}

std::optional<Language> ChosenLanguage(const SetupLines& lines) {
    std::optional<Language> chosen;
    for (const std::string& text : lines.later) {
        const std::optional<NamedLine> line = SplitNamedLine(text);
        if (line && SameWord(line->name, kLanguageName)) chosen = LanguageFromValue(line->value);
    }
    return chosen;
}

SetupValues ParseSetupIni(std::string_view text) {
    return ValuesOfLines(SplitSetupIni(text));
}

std::optional<SetupLines> ReadSetupLines(const std::string& path) {
    // Only a regular file of a sensible size is read: a pipe, a device or a
    // huge file in its place gives nothing rather than a hang.
    std::vector<uint8_t> bytes;
    if (!game::ReadWholeFile(path, bytes, kLargestSetupIni)) return std::nullopt;
    return SplitSetupIni(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::optional<SetupValues> ReadSetupIni(const std::string& path) {
    const std::optional<SetupLines> lines = ReadSetupLines(path);
    if (!lines) return std::nullopt;
    return ValuesOfLines(*lines);
}

std::string FormatSetupIni(const SetupValues& values) {
    std::string text;
    text += values.soundOn ? "Zvuky=Ano" : "Zvuky=Ne";
    text += "\r\nHlasitost=" + std::to_string(values.volume);
    text += "\r\nTick=" + std::to_string(values.tick);
    text += "\r\nZvetseni=";
    text += values.scale == 0            ? std::string("auto")
            : values.scale == kScaleFill ? std::string("vypln")
                                         : std::to_string(values.scale);
    text += "\r\nCelaObrazovka=";
    text += values.fullScreen ? "Ano" : "Ne";
    text += "\r\nPauzaPriPrepnuti=";
    text += values.pauseOnFocusLoss ? "Ano" : "Ne";
    text += "\r\nPomocNaRozich=";
    text += values.cornerHelp ? "Ano" : "Ne";
    text += "\r\n";
    if (values.difficulty == Difficulty::kEasy) text += "Obtiznost=lehka\r\n";
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        text += kKeyLinePrefix;
        text += KeyCommands()[i].settingName;
        text += '=';
        text += PortableNameOf(values.keys[i]);
        text += "\r\n";
    }
    text += "Hudba=" + std::to_string(values.music) + "\r\n";
    text += "Jazyk=";
    text += LanguageCode(values.language);
    text += "\r\n";
    // Written only where they differ from what the game has always done.
    const SetupValues defaults;
    const auto yesNoLine = [&text](std::string_view name, bool on) {
        text += name;
        text += on ? "=Ano\r\n" : "=Ne\r\n";
    };
    if (values.flashing != defaults.flashing) yesNoLine(kFlashingName, values.flashing);
    if (values.largeText != defaults.largeText) yesNoLine(kLargeTextName, values.largeText);
    if (values.fireToggles != defaults.fireToggles) yesNoLine(kFireToggleName, values.fireToggles);
    if (values.deadZone != defaults.deadZone) {
        text += kDeadZoneName;
        text += "=" + std::to_string(values.deadZone) + "\r\n";
    }
    if (values.speech != defaults.speech) yesNoLine(kSpeechName, values.speech);
    if (values.runTimer) text += "Casomira=Ano\r\n";
    for (const std::string& line : values.otherLines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

bool WriteSetupIni(const std::string& path, const SetupValues& values, std::string* error) {
    const std::string text = FormatSetupIni(values);
    const std::vector<uint8_t> bytes(text.begin(), text.end());
    std::string why;
    if (game::ReplaceFile(path, bytes, game::Durability::kFlushed, &why)) return true;
    const int failure = errno;
    // A folder we may not write to, holding a file we may: the file is
    // rewritten where it is rather than the settings refused.
    struct stat info {};
    if ((failure == EACCES || failure == EPERM) && ::lstat(path.c_str(), &info) == 0 &&
        S_ISREG(info.st_mode) && ::access(path.c_str(), W_OK) == 0) {
        std::string inPlace;
        if (game::RewriteInPlace(path, bytes, &inPlace)) return true;
        why += "; " + inPlace;
    }
    if (error != nullptr) *error = why;
    return false;
}

}  // namespace settings
