// Texts that glow from red to yellow while highlighted: the main menu's seven
// items and each dialog's two buttons.  Each has a hit area; the pointer or
// the keys choose one, and a timer lets the chosen one brighten while the
// others fade.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "game/core/game_state.h"
#include "game/platform/rounding.h"

namespace game {

// Brightness gained or lost per tick: a newly highlighted item turns from red
// to yellow in 32 ticks and fades back in 32.
inline constexpr int16_t kGlowStep = 8;
inline constexpr int16_t kGlowFull = 255;

// Inside a hit area: left <= x < right and top <= y < bottom.
inline bool PtInRect(const Rect& area, int32_t x, int32_t y) {
    return area.Left <= x && x < area.Right && area.Top <= y && y < area.Bottom;
}

template <std::size_t N>
struct GlowItems {
    // The chosen item.
    int16_t Selected = 0;
    // The item that glows; at most one.
    std::array<bool, N> Highlighted{};
    // Each item's glow, 0 (red) to 255 (yellow).
    std::array<int16_t, N> Brightness{};
    std::array<Rect, N> ItemRects{};

    static constexpr int16_t Count() { return static_cast<int16_t>(N); }

    void ClearHighlights() { Highlighted.fill(false); }

    // The selected item glows (the others are left as they are).
    void HighlightSelected() {
        if (Selected >= 0 && Selected < Count()) Highlighted[Selected] = true;
    }

    // One tick of the glow.
    void Animate() {
        for (std::size_t i = 0; i < N; ++i) {
            int step = Highlighted[i] ? kGlowStep : -kGlowStep;
            Brightness[i] = static_cast<int16_t>(std::clamp(Brightness[i] + step, 0, 255));
        }
    }

    // The item whose hit area holds the point, or -1 between items.
    int16_t ItemAt(int32_t x, int32_t y) const {
        for (std::size_t i = 0; i < N; ++i)
            if (PtInRect(ItemRects[i], x, y)) return static_cast<int16_t>(i);
        return -1;
    }

    // The pointer moved: the item under it glows and becomes the selected
    // one; between items nothing glows and the selection stays.
    void PointerMoved(float x, float y) {
        int32_t px = platform::CLng(x), py = platform::CLng(y);
        for (std::size_t i = 0; i < N; ++i) {
            Highlighted[i] = PtInRect(ItemRects[i], px, py);
            if (Highlighted[i]) Selected = static_cast<int16_t>(i);
        }
    }

    // The item a click at the point runs, or -1.
    int16_t ItemClicked(float x, float y) const {
        return ItemAt(platform::CLng(x), platform::CLng(y));
    }
};

}  // namespace game
