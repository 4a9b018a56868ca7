// The main menu's rules without its window: the seven items and where they
// are, which of them the arrow keys visit, what a key asks the menu to do,
// and the texts the menu shows.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/menu/glow_items.h"
#include "game/platform/shown_text.h"

namespace game {

enum MenuItem : int16_t {
    kMenuNewGame = 0,
    kMenuLoad = 1,
    kMenuSave = 2,
    kMenuResume = 3,
    kMenuSettings = 4,
    kMenuCredits = 5,
    kMenuExit = 6,
};
inline constexpr int16_t kMenuItemCount = 7;

struct MenuItemLayout {
    const char* text;
    Rect hitArea;
    int textX, textY;  // where the text is printed (its top-left corner)
};

// The items stand kMenuItemStep pixels apart from kMenuFirstItemY down, each
// hit area the height of its text's line, from x 25 to 185.
inline constexpr int kMenuFirstItemY = 141;
inline constexpr int kMenuItemStep = 40;
inline constexpr int kMenuItemHeight = 20;

constexpr MenuItemLayout MenuItemAt(int index, const char* text, int textX) {
    const int y = kMenuFirstItemY + index * kMenuItemStep;
    return {text, {25, y, 185, y + kMenuItemHeight}, textX, y};
}

inline constexpr std::array<MenuItemLayout, kMenuItemCount> kMenuLayout{{
    MenuItemAt(0, SHOWN_TEXT("Menu", "Nová hra"), 72),
    MenuItemAt(1, SHOWN_TEXT("Menu", "Nahrát"), 81),
    MenuItemAt(2, SHOWN_TEXT("Menu", "Uložit"), 85),
    MenuItemAt(3, SHOWN_TEXT("Menu", "Zpět"), 89),
    MenuItemAt(4, SHOWN_TEXT("Menu", "Nastavení"), 69),
    MenuItemAt(5, SHOWN_TEXT("Menu", "Credits"), 82),
    MenuItemAt(6, SHOWN_TEXT("Menu", "Exit"), 93),
}};

using MenuGlow = GlowItems<kMenuItemCount>;

// The menu as it is when its window is created: "Nová hra" selected and
// glowing, every item red.
MenuGlow NewMenuGlow();

// "Uložit" needs a game to save, "Zpět" a game to return to; the other items
// are always offered.  Items not offered are printed grey.
bool MenuItemOffered(int16_t item, bool canSave, bool canResume);

// The item the Down and Up arrows go to from `selected`, skipping "Uložit"
// and "Zpět" while they are not offered, and wrapping round at the ends.
int16_t NextMenuItem(int16_t selected, bool canSave, bool canResume);
int16_t PreviousMenuItem(int16_t selected, bool canSave, bool canResume);

// What a key asks of the menu besides moving the selection.
enum class MenuKeyAction {
    kNothing,
    kRunSelected,  // Enter: MenuItems with the selected item
    kProjectNote,  // B on "Credits": the note about the project
    kCheatMode,    // Ctrl+Alt+C on "Nová hra"
};

struct MenuKey {
    MenuKeyAction action = MenuKeyAction::kNothing;
    // Whether the selected item glows once the action is done.  B and C
    // without their condition leave nothing glowing.
    bool highlightAfter = true;
};

// Form_KeyDown up to its action: every highlight off, the arrows move the
// selection.  The caller carries out the action and then, if asked, lets
// the selected item glow.
MenuKey MenuKeyDown(MenuGlow& menu, int16_t keyCode, int16_t shift, bool canSave, bool canResume);

// "Verze kompilace: 1.0.98" for version 1, 0, revision 98.
std::string VersionLine(int major, int minor, int revision);
// The same line and the note below as templates for their translations:
// %1 the version ("1.0.98"), the count of lines grouped by thousands.
inline constexpr const char* kVersionLineTemplate = SHOWN_TEXT("Menu", "Verze kompilace: %1");
inline constexpr const char* kProjectNoteTemplate = SHOWN_TEXT(
    "Menu",
    "Karvelun jsme začali kopat v roce 2026. Od té doby se jeskyně rozrostla na %1 řádků "
    "zdrojového kódu a pořád v ní tu a tam něco šramotí.\n\nSnad jsou to jen netopýři.");

// The B key's note on when the project was started and how many lines of
// code it has.
inline constexpr const char* kProjectNoteTitle = SHOWN_TEXT("Message", "Z kroniky jeskyně");
std::string ProjectNoteText(int64_t sourceLines);

// "řádek", "řádky" or "řádků", as Czech counts lines.
const char* LinesWord(int64_t count);

}  // namespace game
