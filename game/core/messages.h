// What the player is told: floating texts over the field and lines in the
// message log.
#pragma once

#include <cstdint>
#include <string>

#include "game/core/player_text.h"
#include "game/platform/shown_text.h"

namespace game {

struct FloatText;

// A text that rises over the field, centred on x and 20 pixels above y, in
// its own colour (red + 256 green + 65536 blue).
void AddFloatText(float x, float y, const PlayerText& text, int32_t colour);

// A floating text's text, with what the windows need to show it in another
// language.
PlayerText TextOf(const FloatText& floatText);

// A new line at the bottom of the message log.  A log of more than 10 000
// lines is emptied first.
void AddLogLine(const PlayerText& text);

// The text in place of the log's last line when that line is `last` (a
// state that ended before anything else was told), else as a new line.
void ReplaceOrAddLogLine(const std::string& last, const std::string& text);

inline constexpr int kLogLineLimit = 10000;

// The Czech ending after an amount of gold: 1 " zlatý!", 2 to 4 " zlaté!",
// 5 and more " zlatých!".
std::string GoldEnding(int32_t gold);
// "Získal jsi <gold><GoldEnding>", of the template "Získal jsi %n zlatých!".
PlayerText GoldFoundText(int32_t gold);
inline constexpr const char* kGoldFoundPattern =
    SHOWN_COUNTED_TEXT("Rules", "Získal jsi %n zlatých!");

// The templates of texts the rules tell in several places.
inline constexpr const char* kExperiencePattern =
    SHOWN_COUNTED_TEXT("Rules", "Získal jsi %n zkušeností!");
// Floating over what was gained or lost: "7+", "12-".
inline constexpr const char* kGainPattern = SHOWN_COUNTED_TEXT("Rules", "%n+");
inline constexpr const char* kLossPattern = SHOWN_COUNTED_TEXT("Rules", "%n-");

}  // namespace game
