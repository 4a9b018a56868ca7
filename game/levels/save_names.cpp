#include "game/levels/save_names.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string_view>
#include <vector>

#include "game/platform/codepage.h"

namespace game {
namespace {

constexpr std::string_view kReservedCharacters = ".,:;\"'&#$?*";

bool IsControl(char32_t ch) {
    return ch < 0x20 || (ch >= 0x7F && ch <= 0x9F);
}

bool ContainsQuick(const std::string& name) {
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper.find("QUICK") != std::string::npos;
}

}  // namespace

SaveNameVerdict JudgeSaveName(const std::string& name) {
    if (name.empty()) return SaveNameVerdict::kEmpty;
    if (ContainsQuick(name)) return SaveNameVerdict::kMentionsQuick;
    if (IsAutosaveName(name)) return SaveNameVerdict::kAutosaveName;

    std::vector<char32_t> characters = platform::Utf8ToCodePoints(name);
    if (std::all_of(characters.begin(), characters.end(), [](char32_t c) { return c == '.'; }))
        return SaveNameVerdict::kOnlyFullStops;
    for (char32_t ch : characters) {
        if (ch < 0x80 && kReservedCharacters.find(static_cast<char>(ch)) != std::string_view::npos)
            return SaveNameVerdict::kReservedCharacter;
        if (ch == '/' || ch == '\\') return SaveNameVerdict::kPathSeparator;
        if (IsControl(ch)) return SaveNameVerdict::kControlCharacter;
    }
    if (characters.size() > kMaxSaveNameLength) return SaveNameVerdict::kTooLong;
    // Broken UTF-8 comes back as U+FFFD, which the code page cannot hold.
    if (!platform::FitsCp1250(name)) return SaveNameVerdict::kNotInCodePage;
    return SaveNameVerdict::kAccepted;
}

std::string AutosaveName(int slot) {
    return "auto-" + std::to_string(slot);
}

bool IsAutosaveName(const std::string& name) {
    constexpr std::string_view kPrefix = "auto-";
    if (name.size() <= kPrefix.size()) return false;
    for (size_t i = 0; i < kPrefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(name[i])) != kPrefix[i]) return false;
    return std::all_of(name.begin() + kPrefix.size(), name.end(),
                       [](unsigned char c) { return std::isdigit(c); });
}

int AutosaveSlotOf(const std::string& name) {
    // Lower case, no leading zero, and at most four digits: beyond any
    // folder a player fills.
    if (!IsAutosaveName(name) || name.compare(0, 5, "auto-") != 0 || name[5] == '0' ||
        name.size() > 9)
        return 0;
    return std::stoi(name.substr(5));
}

std::string ProposedSaveName(int level, int hour, int minute) {
    hour = std::clamp(hour, 0, 23);
    minute = std::clamp(minute, 0, 59);
    char name[48];
    std::snprintf(name, sizeof name, "%d patro %02d-%02d", level, hour, minute);
    return name;
}

}  // namespace game
