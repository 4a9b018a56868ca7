#include "game/core/messages.h"

#include "game/core/game_state.h"
#include "game/core/windows.h"
#include "game/platform/numbers.h"

namespace game {

void AddFloatText(float x, float y, const PlayerText& text, int32_t colour) {
    int16_t i = AppendEntry(FloatTexts, FloatTextCount);
    FloatText& e = FloatTexts[i];
    e.Text = text.czech;
    e.Pattern = text.pattern;
    e.Number = text.number;
    e.FromLevel = text.fromLevel;
    e.Y = y - 20.0f;
    // Centred as the Czech text; the windows centre another language's
    // text on the same middle.
    float width = static_cast<float>(Windows().TextWidth(text.czech));
    e.X = x - width / 2.0f;
    e.Colour = colour;
}

PlayerText TextOf(const FloatText& floatText) {
    PlayerText text(floatText.Text);
    text.pattern = floatText.Pattern;
    text.number = floatText.Number;
    text.fromLevel = floatText.FromLevel;
    return text;
}

void AddLogLine(const PlayerText& text) {
    GameWindows& windows = Windows();
    if (windows.LogLineCount() > kLogLineLimit) windows.ClearLog();
    windows.AppendLogLine(text);
}

void ReplaceOrAddLogLine(const std::string& last, const std::string& text) {
    if (!Windows().ReplaceLastLogLine(last, text)) AddLogLine(text);
}

std::string GoldEnding(int32_t gold) {
    if (gold == 1) return " zlatý!";
    if (gold >= 2 && gold <= 4) return " zlaté!";
    return " zlatých!";
}

PlayerText GoldFoundText(int32_t gold) {
    return CountedText(kGoldFoundPattern, gold,
                       "Získal jsi " + platform::ToText(gold) + GoldEnding(gold));
}

}  // namespace game
