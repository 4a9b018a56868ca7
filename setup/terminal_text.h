// What the settings tool prints on its terminal, in the terminal's language:
// the one setup.ini chooses, else the desktop's
// (game/settings/terminal_language.h), which need not be the window's.
#pragma once

#include <QString>

#include "game/settings/setup_ini.h"

namespace setup {

void UseTerminalLanguage(settings::Language language);
// A text of the tool (its Czech, under `context`) as the terminal says it.
QString TerminalText(const char* context, const char* czech);
// Writes "<program>: <line>" on the error output.
void TellOnTerminal(const QString& line);

// The usage that --help prints; its first line begins "Usage:"
// ("Použití:"), naming the program as it was started.
QString ToolUsage(const QString& program);

}  // namespace setup
