// What the player is told: floating texts over the field and lines in the
// message log.
#pragma once

#include <cstdint>
#include <string>

namespace game {

// A text that rises over the field, centred on x and 20 pixels above y, in
// its own colour (red + 256 green + 65536 blue).
void AddFloatText(float x, float y, const std::string& text, int32_t colour);

// A new line at the bottom of the message log.  A log of more than 10 000
// lines is emptied first.
void AddLogLine(const std::string& text);

// The text in place of the log's last line when that line is `last` (a
// state that ended before anything else was told), else as a new line.
void ReplaceOrAddLogLine(const std::string& last, const std::string& text);

inline constexpr int kLogLineLimit = 10000;

// The Czech ending after an amount of gold: 1 " zlatý!", 2 to 4 " zlaté!",
// 5 and more " zlatých!".
std::string GoldEnding(int32_t gold);

}  // namespace game
