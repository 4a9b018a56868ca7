#include "game/menu/menu_rules.h"

#include "game/core/progression.h"
#include "game/platform/keys.h"

namespace game {

MenuGlow NewMenuGlow() {
    MenuGlow menu;
    for (int16_t i = 0; i < kMenuItemCount; ++i)
        menu.ItemRects[i] = kMenuLayout[i].hitArea;
    menu.Selected = kMenuNewGame;
    menu.Highlighted[kMenuNewGame] = true;
    return menu;
}

bool MenuItemOffered(int16_t item, bool canSave, bool canResume) {
    if (item == kMenuSave) return canSave;
    if (item == kMenuResume) return canResume;
    return true;
}

int16_t NextMenuItem(int16_t selected, bool canSave, bool canResume) {
    int16_t next = static_cast<int16_t>(selected + 1);
    if (next >= kMenuItemCount) next = 0;
    if (next == kMenuSave && !canSave) next = kMenuResume;
    if (!canResume && next == kMenuResume) next = kMenuSettings;
    return next;
}

int16_t PreviousMenuItem(int16_t selected, bool canSave, bool canResume) {
    int16_t previous = static_cast<int16_t>(selected - 1);
    if (previous < 0) previous = kMenuItemCount - 1;
    if (!canResume && previous == kMenuResume) previous = kMenuSave;
    if (previous == kMenuSave && !canSave) previous = kMenuLoad;
    return previous;
}

MenuKey MenuKeyDown(MenuGlow& menu, int16_t keyCode, int16_t shift, bool canSave, bool canResume) {
    namespace vk = platform::vk;
    constexpr int16_t kKeyB = 'B', kKeyC = 'C';
    constexpr int16_t kCtrlAlt = platform::kCtrlMask | platform::kAltMask;

    menu.ClearHighlights();
    MenuKey result;
    switch (keyCode) {
        case vk::Down:
            menu.Selected = NextMenuItem(menu.Selected, canSave, canResume);
            break;
        case vk::Up:
            menu.Selected = PreviousMenuItem(menu.Selected, canSave, canResume);
            break;
        case vk::Return:
            result.action = MenuKeyAction::kRunSelected;
            break;
        case kKeyB:
            if (menu.Selected == kMenuCredits)
                result.action = MenuKeyAction::kProjectNote;
            else
                result.highlightAfter = false;
            break;
        case kKeyC:
            if (shift == kCtrlAlt && menu.Selected == kMenuNewGame)
                result.action = MenuKeyAction::kCheatMode;
            else
                result.highlightAfter = false;
            break;
        default:
            break;
    }
    return result;
}

std::string VersionLine(int major, int minor, int revision) {
    return "Verze kompilace: " + std::to_string(major) + "." + std::to_string(minor) + "." +
           std::to_string(revision);
}

const char* LinesWord(int64_t count) {
    if (count == 1) return "řádek";
    if (count >= 2 && count <= 4) return "řádky";
    return "řádků";
}

std::string ProjectNoteText(int64_t sourceLines) {
    return "Karvelun jsme začali kopat v roce 2026. Od té doby se jeskyně rozrostla na " +
           FormatGrouped(sourceLines) + " " + LinesWord(sourceLines) +
           " zdrojového kódu a pořád v ní tu a tam něco šramotí.\n\nSnad jsou to jen netopýři.";
}

}  // namespace game
