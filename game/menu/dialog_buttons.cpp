#include "game/menu/dialog_buttons.h"

#include "game/platform/keys.h"

namespace game {

DialogGlow NewDialogGlow(const DialogButtonsLayout& layout) {
    DialogGlow buttons;
    for (int16_t i = 0; i < buttons.Count(); ++i)
        buttons.ItemRects[i] = layout[i].hitArea;
    return buttons;
}

bool DialogKeyDown(DialogGlow& buttons, int16_t keyCode) {
    namespace vk = platform::vk;
    buttons.ClearHighlights();
    if (keyCode == vk::Right) {
        buttons.Selected = static_cast<int16_t>(buttons.Selected + 1);
        if (buttons.Selected > 1) buttons.Selected = 0;
    } else if (keyCode == vk::Left) {
        buttons.Selected = static_cast<int16_t>(buttons.Selected - 1);
        if (buttons.Selected < 0) buttons.Selected = 1;
    }
    buttons.HighlightSelected();
    return keyCode == vk::Return;
}

}  // namespace game
