#include "game/core/settings.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <limits>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "game/platform/file_io.h"

#include "game/platform/numbers.h"
#include "game/platform/rounding.h"

namespace game {
namespace {

// The value part of a line: from the given character (1-based) on, or empty
// when the line is shorter.
std::string ValueFrom(const std::string& line, size_t firstChar) {
    return line.size() >= firstChar ? line.substr(firstChar - 1) : std::string();
}

// The file's lines without their ends.  CR LF, LF and a lone CR each end a
// line, so a file saved on any system reads as the settings tool reads it.
std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
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
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// The value of the last line named `name`, or nothing when no line has it.
std::optional<std::string_view> LastValueOf(const std::vector<std::string>& namedLines,
                                            std::string_view name) {
    for (auto line = namedLines.rbegin(); line != namedLines.rend(); ++line) {
        const size_t equals = line->find('=');
        if (equals == std::string::npos) continue;
        const std::string_view text(*line);
        if (SameWord(TrimBlanks(text.substr(0, equals)), name))
            return TrimBlanks(text.substr(equals + 1));
    }
    return std::nullopt;
}

std::optional<bool> YesOrNo(std::string_view value) {
    if (SameWord(value, "Ano")) return true;
    if (SameWord(value, "Ne")) return false;
    return std::nullopt;
}

// "auto" gives 0, "1" to "4" the scale itself.
std::optional<int16_t> ScaleOf(std::string_view value) {
    if (SameWord(value, "auto")) return 0;
    if (value.size() == 1 && value[0] >= '1' && value[0] <= '4')
        return static_cast<int16_t>(value[0] - '0');
    return std::nullopt;
}

// The named lines after the first three.  Names and values are read without
// regard to ASCII case and to the blanks (spaces, tabs) around them, so
// " zvetseni = AUTO " is a Zvetseni line.  A name given twice takes its last
// line, even when that line's value does not read: the last word counts, and
// a word the game does not know means the default.  Lines without "=" and
// names the game does not know are ignored.
ViewSettings ViewOfLines(const std::vector<std::string>& namedLines) {
    ViewSettings view;
    if (auto value = LastValueOf(namedLines, "Zvetseni"))
        view.scale = ScaleOf(*value).value_or(view.scale);
    if (auto value = LastValueOf(namedLines, "CelaObrazovka"))
        view.fullScreen = YesOrNo(*value).value_or(view.fullScreen);
    if (auto value = LastValueOf(namedLines, "PauzaPriPrepnuti"))
        view.pauseOnFocusLoss = YesOrNo(*value).value_or(view.pauseOnFocusLoss);
    return view;
}

// The Klavesa.* lines after the first three, by the same reading as the
// view's lines.
KeyBindings KeysOfLines(const std::vector<std::string>& namedLines) {
    KeyBindings keys;
    for (Command command : kAllCommands) {
        const std::string name = std::string(kKeyLinePrefix) + std::string(SettingNameOf(command));
        const auto value = LastValueOf(namedLines, name);
        if (!value) continue;
        const std::optional<int16_t> key = KeyCodeOfName(*value);
        if (key && CanBeChosen(*key)) keys.Set(command, *key);
    }
    keys.SettleSharedKeys();
    return keys;
}

}  // namespace

bool SoundLineTurnsSoundOn(const std::string& line1) {
    std::string upper = line1;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper.find("ANO") != std::string::npos;
}

float VolumeOfLine(const std::string& line2) {
    std::string v = ValueFrom(line2, 11);  // after "Hlasitost="
    if (!platform::IsNumber(v)) v = "100";
    if (platform::LeadingNumber(v) < 0) v = "0";
    // A value beyond the float's range saturates instead of overflowing.
    const double volume = platform::LeadingNumber(v) / 100.0;
    constexpr double kLargest = std::numeric_limits<float>::max();
    return static_cast<float>(std::min(volume, kLargest));
}

int16_t TickDelayOfLine(const std::string& line3) {
    std::string t = ValueFrom(line3, 6);  // after "Tick="
    if (!platform::IsNumber(t)) t = "0";
    if (platform::LeadingNumber(t) < 0) t = "0";
    return platform::CInt(platform::LeadingNumber(t));
}

Settings ReadSettings(const std::string& path) {
    // A folder, a pipe, a device or a huge file in the file's place is no
    // settings file: the defaults hold, without a hang.
    constexpr size_t kLargestSettingsFile = 1 << 20;
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes, kLargestSettingsFile)) {
        std::error_code ec;
        if (std::filesystem::exists(path, ec))
            std::fprintf(stderr, "karvelun: %s is not a readable settings file; using defaults\n",
                         path.c_str());
        return Settings{};
    }
    const std::string text(bytes.begin(), bytes.end());
    std::vector<std::string> lines = SplitLines(text);
    if (lines.size() < 3) lines.resize(3);  // a missing line counts as empty

    Settings s;
    s.soundOn = SoundLineTurnsSoundOn(lines[0]);
    s.volume = VolumeOfLine(lines[1]);
    s.tickDelay = TickDelayOfLine(lines[2]);
    const std::vector<std::string> namedLines(lines.begin() + 3, lines.end());
    s.view = ViewOfLines(namedLines);
    s.keys = KeysOfLines(namedLines);
    return s;
}

}  // namespace game
