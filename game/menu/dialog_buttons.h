// The two buttons of the question, load and save dialogs: captions printed
// on the window that glow while chosen, with their hit areas, chosen with the
// pointer or with Left, Right and Enter.
#pragma once

#include <array>
#include <cstdint>

#include "game/menu/glow_items.h"
#include "game/platform/shown_text.h"

namespace game {

struct DialogButtonLayout {
    const char* caption;
    Rect hitArea;
    int captionX, captionY;  // where the caption is printed (its top-left corner)
};

using DialogButtonsLayout = std::array<DialogButtonLayout, 2>;

// Form5: the question.
inline constexpr DialogButtonsLayout kQuestionButtons{{
    {SHOWN_TEXT("Menu", "Ano"), {32, 136, 121, 161}, 65, 138},
    {SHOWN_TEXT("Menu", "Ne"), {184, 136, 273, 161}, 218, 138},
}};
// Form6: the load dialog.
inline constexpr DialogButtonsLayout kLoadButtons{{
    {SHOWN_TEXT("Menu", "Nahrát"), {8, 176, 113, 201}, 40, 178},
    {SHOWN_TEXT("Menu", "Zpět"), {200, 176, 305, 201}, 237, 178},
}};
// Form7: the save dialog.
inline constexpr DialogButtonsLayout kSaveButtons{{
    {SHOWN_TEXT("Menu", "Uložit"), {8, 176, 113, 201}, 40, 178},
    {SHOWN_TEXT("Menu", "Zpět"), {200, 176, 305, 201}, 237, 178},
}};

// The choice of a campaign for a new game.
inline constexpr DialogButtonsLayout kCampaignButtons{{
    {SHOWN_TEXT("Menu", "Hrát"), {8, 176, 113, 201}, 47, 178},
    {SHOWN_TEXT("Menu", "Zpět"), {200, 176, 305, 201}, 237, 178},
}};

using DialogGlow = GlowItems<2>;

// A dialog's buttons as the window is created: button 0 selected, nothing
// glowing, both red.
DialogGlow NewDialogGlow(const DialogButtonsLayout& layout);

// Form_KeyDown of a dialog: every highlight off, Right and Left move the
// selection round the two buttons, then the selected button glows whatever
// the key.  True for Enter: the caller runs DialogItems with the selection.
bool DialogKeyDown(DialogGlow& buttons, int16_t keyCode);

}  // namespace game
