#include "setup/setup_ini.h"

#include <array>
#include <string>

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "setup/number_text.h"

namespace setup {
namespace {

constexpr std::size_t kVolumeKeyLength = 10;  // "Hlasitost="
constexpr std::size_t kTickKeyLength = 5;     // "Tick="

// The text from a fixed position on; a line too short for its key has no value.
std::string_view ValuePart(std::string_view line, std::size_t keyLength) {
    return line.size() > keyLength ? line.substr(keyLength) : std::string_view{};
}

// One line without its end.  CR LF, LF and a lone CR all end a line, so a
// file edited on any system reads the same.
std::string ReadLine(QFile& file) {
    std::string line;
    char c = 0;
    while (file.getChar(&c)) {
        if (c == '\n') break;
        if (c == '\r') {
            char next = 0;
            if (file.getChar(&next) && next != '\n') file.ungetChar(next);
            break;
        }
        line.push_back(c);
    }
    return line;
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

std::optional<SetupValues> ReadSetupIni(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;

    std::array<std::string, 3> lines;
    for (std::string& line : lines)
        line = ReadLine(file);
    if (file.error() != QFileDevice::NoError) return std::nullopt;

    SetupValues values;
    values.soundOn = SoundFromLine(lines[0]);
    values.volume = VolumeFromLine(lines[1]);
    values.tick = TickFromLine(lines[2]);
    return values;
}

QByteArray FormatSetupIni(const SetupValues& values) {
    QByteArray text;
    text += values.soundOn ? "Zvuky=Ano" : "Zvuky=Ne";
    text += "\r\nHlasitost=";
    text += QByteArray::number(values.volume);
    text += "\r\nTick=";
    text += QByteArray::number(values.tick);
    text += "\r\n";
    return text;
}

bool WriteSetupIni(const QString& path, const SetupValues& values, QString* error) {
    QSaveFile file(path);
    const QByteArray text = FormatSetupIni(values);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
    if (written && file.commit()) return true;

    if (error != nullptr) *error = file.errorString();
    file.cancelWriting();
    return false;
}

}  // namespace setup
