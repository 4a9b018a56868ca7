// The language the windows speak.  Czech needs nothing: the code's texts
// are Czech.  English installs the game's translation, and every window
// hears of the change (QEvent::LanguageChange) and shows its texts anew.
#pragma once

#include <QString>
#include <string>

#include "game/core/settings.h"
#include "game/settings/setup_ini.h"

namespace game {

void UseLanguage(settings::Language language);
settings::Language LanguageInUse();

// The language of what the game prints on its terminal (game/core/terminal.h),
// which the desktop's language decides when the player chose none
// (game/settings/terminal_language.h).
void UseTerminalLanguage(settings::Language language);
// Both, as the settings read at start have them.
void UseLanguagesOf(const Settings& settings);
// The terminal's alone, before the settings are read whole (the program's
// command line): as the file, or without a choice the desktop, has it.
void UseTerminalLanguageOfFile(const std::string& settingsFile);
// Both as the file has them (the windows Czech without a choice), for what
// the program tells before its start-up reads the settings whole.
void UseLanguagesOfFile(const std::string& settingsFile);
// Whether the windows show English now.
bool EnglishShown();

// A Czech text of the game, as the window shows it: its translation under
// `context` while English is in use, else the text itself.
QString Shown(const char* context, const char* text);
QString Shown(const char* context, const std::string& text);

}  // namespace game
