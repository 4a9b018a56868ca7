// The language the windows speak.  Czech needs nothing: the code's texts
// are Czech.  English installs the game's translation, and every window
// hears of the change (QEvent::LanguageChange) and shows its texts anew.
#pragma once

#include <QString>
#include <string>

#include "game/settings/setup_ini.h"

namespace game {

void UseLanguage(settings::Language language);
settings::Language LanguageInUse();
// Whether the windows show English now.
bool EnglishShown();

// A Czech text of the game, as the window shows it: its translation under
// `context` while English is in use, else the text itself.
QString Shown(const char* context, const char* text);
QString Shown(const char* context, const std::string& text);

}  // namespace game
