#include "game/core/settings.h"

#include <algorithm>
#include <cctype>
#include <fstream>

#include "game/platform/numbers.h"
#include "game/platform/rounding.h"

namespace game {
namespace {

// The value part of a line: from the given character (1-based) on, or empty
// when the line is shorter.
std::string ValueFrom(const std::string& line, size_t firstChar) {
    return line.size() >= firstChar ? line.substr(firstChar - 1) : std::string();
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
    return static_cast<float>(platform::LeadingNumber(v) / 100.0);
}

int16_t TickDelayOfLine(const std::string& line3) {
    std::string t = ValueFrom(line3, 6);  // after "Tick="
    if (!platform::IsNumber(t)) t = "0";
    if (platform::LeadingNumber(t) < 0) t = "0";
    return platform::CInt(platform::LeadingNumber(t));
}

Settings ReadSettings(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Settings{};
    std::string lines[3];
    for (std::string& line : lines) {
        if (!std::getline(in, line)) line.clear();
        if (!line.empty() && line.back() == '\r') line.pop_back();
    }
    Settings s;
    s.soundOn = SoundLineTurnsSoundOn(lines[0]);
    s.volume = VolumeOfLine(lines[1]);
    s.tickDelay = TickDelayOfLine(lines[2]);
    return s;
}

}  // namespace game
