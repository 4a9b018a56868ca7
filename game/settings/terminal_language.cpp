#include "game/settings/terminal_language.h"

#include <cstdlib>
#include <string_view>

namespace settings {
namespace {

// "cs" alone or before a territory, code set, modifier or the next language
// of a list; "csb" (Kashubian) is another language.
bool NamesCzech(std::string_view value) {
    if (value.substr(0, 2) != "cs") return false;
    return value.size() == 2 || std::string_view("_.@:").find(value[2]) != std::string_view::npos;
}

}  // namespace

const char* ProcessEnvironment(const char* name) {
    return std::getenv(name);
}

Language TerminalLanguage(std::optional<Language> chosen, const EnvironmentVariable& environment) {
    if (chosen) return *chosen;
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = environment(name);
        if (value == nullptr || *value == '\0') continue;
        return NamesCzech(value) ? Language::kCzech : Language::kEnglish;
    }
    return Language::kEnglish;
}

}  // namespace settings
