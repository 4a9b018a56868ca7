// What the game tells the player on its terminal: a warning or an error
// worth reading, one line on the error output after the program's name
// ("karvelun: Hra nebyla uložena: …").  The rules write each line in Czech,
// as every text of theirs, its template marked SHOWN_TEXT("Terminal", …)
// with %1, %2, … for the names put in; the program gives the terminal its
// language, which need not be the windows' (the desktop's language decides
// when the player chose none).  Without that the lines are Czech.  Plain C++.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "game/core/player_text.h"

namespace game {

// A text of the game in the terminal's language, given its translation's
// context and its Czech, and for a template with "%n" its number (which
// picks the plural form; the "%n" stays).  -1: none.
using TerminalWording =
    std::function<std::string(const char* context, const char* czech, int number)>;
void SetTerminalWording(TerminalWording wording);
std::string InTerminalLanguage(const char* context, const char* czech, int number = -1);
// A text the rules tell the player (a notice, a log line) as the terminal
// says it: its translation under "Rules" with its number and name in, or the
// Czech text when it has none.
std::string InTerminalLanguage(const PlayerText& text);

// The pattern with %1, %2, … written as the names, in one pass: a name that
// holds "%2" stays as it is.
std::string WithNames(std::string_view pattern, std::initializer_list<std::string_view> names);

// A line of the "Terminal" context in the terminal's language, its names in.
std::string TerminalLine(const char* czechTemplate,
                         std::initializer_list<std::string_view> names = {});
// Writes "karvelun: <line>" on the error output.
void Tell(const char* czechTemplate, std::initializer_list<std::string_view> names = {});
// The same for a line already in the terminal's language.
void TellLine(const std::string& line);

}  // namespace game
