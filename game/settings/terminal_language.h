// The language the programs speak on the terminal.  It is the player's
// choice in setup.ini (Jazyk) when the file makes one; else the desktop's,
// read as programs read it: the first of LANGUAGE, LC_ALL, LC_MESSAGES and
// LANG that is set and not empty decides, Czech for a value naming the
// Czech language ("cs", "cs_CZ.UTF-8", "cs:en"), English for anything else.
// Plain C++.
#pragma once

#include <functional>
#include <optional>

#include "game/settings/setup_ini.h"

namespace settings {

// An environment variable's value, nullptr when it is not set.
using EnvironmentVariable = std::function<const char*(const char* name)>;
// The process's own environment.
const char* ProcessEnvironment(const char* name);

// `chosen`: what the settings file chooses (ChosenLanguage).
Language TerminalLanguage(std::optional<Language> chosen,
                          const EnvironmentVariable& environment = ProcessEnvironment);

}  // namespace settings
