#include "game/core/messages.h"

#include "game/core/game_state.h"
#include "game/core/windows.h"

namespace game {

void AddFloatText(float x, float y, const std::string& text, int32_t colour) {
    int16_t i = AppendEntry(FloatTexts, FloatTextCount);
    FloatText& e = FloatTexts[i];
    e.Text = text;
    e.Y = y - 20.0f;
    float width = static_cast<float>(Windows().TextWidth(text));
    e.X = x - width / 2.0f;
    e.Colour = colour;
}

void AddLogLine(const std::string& text) {
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

}  // namespace game
