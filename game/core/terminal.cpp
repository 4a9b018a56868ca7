#include "game/core/terminal.h"

#include <cstdio>
#include <mutex>
#include <vector>

namespace game {
namespace {

// A save written in the background tells its failure from its own thread.
std::mutex wordingGuard;
TerminalWording wording;

}  // namespace

void SetTerminalWording(TerminalWording newWording) {
    const std::lock_guard<std::mutex> held(wordingGuard);
    wording = std::move(newWording);
}

std::string InTerminalLanguage(const char* context, const char* czech, int number) {
    TerminalWording now;
    {
        const std::lock_guard<std::mutex> held(wordingGuard);
        now = wording;
    }
    return now ? now(context, czech, number) : std::string(czech);
}

std::string InTerminalLanguage(const PlayerText& text) {
    const std::string& pattern = text.pattern.empty() ? text.czech : text.pattern;
    std::string shown =
        InTerminalLanguage("Rules", pattern.c_str(), text.HasNumber() ? text.number : -1);
    // Untranslated, the Czech text has its own plural ending.
    if (shown == pattern) return text.czech;
    for (std::size_t at = shown.find("%n"); at != std::string::npos; at = shown.find("%n", at))
        shown.replace(at, 2, std::to_string(text.number));
    return WithNames(shown, {text.name});
}

std::string WithNames(std::string_view pattern, std::initializer_list<std::string_view> names) {
    const std::vector<std::string_view> given(names);
    std::string line;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < given.size()) {
            line += given[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            line += pattern[i];
        }
    }
    return line;
}

std::string TerminalLine(const char* czechTemplate, std::initializer_list<std::string_view> names) {
    return WithNames(InTerminalLanguage("Terminal", czechTemplate), names);
}

void Tell(const char* czechTemplate, std::initializer_list<std::string_view> names) {
    TellLine(TerminalLine(czechTemplate, names));
}

void TellLine(const std::string& line) {
    std::fprintf(stderr, "karvelun: %s\n", line.c_str());
}

}  // namespace game
