#include "setup/setup_ini.h"

#include <algorithm>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <vector>

#include <QDir>
#include <QFile>

#include "game/platform/durable_file.h"
#include "game/platform/file_io.h"

#include "setup/number_text.h"

namespace setup {
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

bool SameWord(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

constexpr std::string_view kScaleName = "Zvetseni";
constexpr std::string_view kFullScreenName = "CelaObrazovka";
constexpr std::string_view kPauseName = "PauzaPriPrepnuti";

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
           SameWord(name, kPauseName) || KeyCommandOfName(name).has_value();
}

std::optional<int> ScaleFromValue(std::string_view value) {
    if (SameWord(value, "auto")) return 0;
    if (value.size() == 1 && value[0] >= '1' && value[0] <= '0' + kScaleMax) return value[0] - '0';
    return std::nullopt;
}

std::optional<bool> YesNoFromValue(std::string_view value) {
    if (SameWord(value, "Ano")) return true;
    if (SameWord(value, "Ne")) return false;
    return std::nullopt;
}

}  // namespace

QString SetupIniPath(const QString& appFolder) {
    return QDir(appFolder).filePath(QStringLiteral("setup.ini"));
}

bool SoundFromLine(std::string_view line) {
    static constexpr std::string_view kYes = "ANO";
    for (std::size_t start = 0; start + kYes.size() <= line.size(); ++start) {
        bool match = true;
        for (std::size_t i = 0; i < kYes.size() && match; ++i) {
            const char c = line[start + i];
            const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
            match = upper == kYes[i];
        }
        if (match) return true;
    }
    return false;
}

int VolumeFromLine(std::string_view line) {
    std::string_view v = ValuePart(line, kVolumeKeyLength);
    if (LeadingNumber(v) < 0) v = "0";
    if (LeadingNumber(v) > kVolumeMax) v = "100";
    if (!IsNumber(v)) v = "100";
    return RoundHalfEven(LeadingNumber(v));
}

int TickFromLine(std::string_view line) {
    std::string_view t = ValuePart(line, kTickKeyLength);
    if (LeadingNumber(t) > kTickMax) t = "20000";
    if (LeadingNumber(t) < 0) t = "0";
    if (!IsNumber(t)) t = "0";
    return RoundHalfEven(LeadingNumber(t));
}

SetupValues ParseSetupIni(std::string_view text) {
    std::vector<std::string> lines = SplitLines(text);
    if (lines.size() < 3) lines.resize(3);

    SetupValues values;
    values.soundOn = SoundFromLine(lines[0]);
    values.volume = VolumeFromLine(lines[1]);
    values.tick = TickFromLine(lines[2]);

    // A later line of a known name replaces what an earlier one said, even
    // with a value that does not read: that gives the default.
    for (std::size_t i = 3; i < lines.size(); ++i) {
        const std::optional<NamedLine> line = SplitNamedLine(lines[i]);
        if (!line || !IsKnownName(line->name)) {
            // Blank lines carry nothing worth keeping.
            if (!TrimBlanks(lines[i]).empty()) values.otherLines.push_back(lines[i]);
        } else if (SameWord(line->name, kScaleName)) {
            values.scale = ScaleFromValue(line->value).value_or(0);
        } else if (SameWord(line->name, kFullScreenName)) {
            values.fullScreen = YesNoFromValue(line->value).value_or(false);
        } else if (SameWord(line->name, kPauseName)) {
            values.pauseOnFocusLoss = YesNoFromValue(line->value).value_or(true);
        } else {
            const std::size_t command = *KeyCommandOfName(line->name);
            values.keys[command] =
                KeyOfPortableName(line->value).value_or(KeyCommands()[command].defaultKey);
        }
    }
    SettleSharedKeys(values.keys);
    return values;
}

std::optional<SetupValues> ReadSetupIni(const QString& path) {
    // Only a regular file of a sensible size is read: a pipe, a device or a
    // huge file in its place gives nothing rather than a hang.
    std::vector<uint8_t> bytes;
    if (!game::ReadWholeFile(QFile::encodeName(path).toStdString(), bytes, kLargestSetupIni))
        return std::nullopt;
    return ParseSetupIni(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

QByteArray FormatSetupIni(const SetupValues& values) {
    QByteArray text;
    text += values.soundOn ? "Zvuky=Ano" : "Zvuky=Ne";
    text += "\r\nHlasitost=";
    text += QByteArray::number(values.volume);
    text += "\r\nTick=";
    text += QByteArray::number(values.tick);
    text += "\r\nZvetseni=";
    text += values.scale == 0 ? QByteArray("auto") : QByteArray::number(values.scale);
    text += "\r\nCelaObrazovka=";
    text += values.fullScreen ? "Ano" : "Ne";
    text += "\r\nPauzaPriPrepnuti=";
    text += values.pauseOnFocusLoss ? "Ano" : "Ne";
    text += "\r\n";
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        const std::string name =
            std::string(kKeyLinePrefix) + std::string(KeyCommands()[i].settingName);
        text += QByteArray::fromStdString(name);
        text += '=';
        text += PortableKeyName(values.keys[i]).toLatin1();
        text += "\r\n";
    }
    for (const std::string& line : values.otherLines) {
        text += QByteArray::fromStdString(line);
        text += "\r\n";
    }
    return text;
}

bool WriteSetupIni(const QString& path, const SetupValues& values, QString* error) {
    const QByteArray text = FormatSetupIni(values);
    const std::vector<uint8_t> bytes(text.begin(), text.end());
    const std::string file = QFile::encodeName(path).toStdString();
    std::string why;
    if (game::ReplaceFile(file, bytes, game::Durability::kFlushed, &why)) return true;
    const int failure = errno;
    // A folder we may not write to, holding a file we may: the file is
    // rewritten where it is rather than the settings refused.
    struct stat info {};
    if ((failure == EACCES || failure == EPERM) && ::lstat(file.c_str(), &info) == 0 &&
        S_ISREG(info.st_mode) && ::access(file.c_str(), W_OK) == 0) {
        std::string inPlace;
        if (game::RewriteInPlace(file, bytes, &inPlace)) return true;
        why += "; " + inPlace;
    }
    if (error != nullptr) *error = QString::fromStdString(why);
    return false;
}

}  // namespace setup
