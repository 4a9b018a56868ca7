// The texts of the rules as the player reads them, in the language the
// windows show.  In Czech a text is shown as the rules wrote it.  In
// English a text of the rules is translated from its Czech template in the
// "Rules" context of the game's translation (its number choosing the plural
// form), and a sign's or message screen's text is taken from the campaign's
// catalogue (levels.en beside the package in use); both have their keys'
// names filled in English.  A text without a translation is shown as the
// rules wrote it.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "game/core/player_text.h"

namespace game {

QString ShownText(const PlayerText& text);
// A message box's text of the rules: as ShownText shows it, or, when that
// stays Czech in English, the windows' own message of the same words.
QString ShownMessageText(const PlayerText& text);

// The English of a level's text as the level holds it, from the catalogue
// beside the package in use, read once per folder; nullptr when it has
// none, or there is no catalogue or it cannot be read.
const std::string* EnglishOfCampaignText(std::string_view czech);
// The catalogue changed in its folder (a try-out's level was made anew): it
// is read again.
void ForgetCampaignTexts();

}  // namespace game
