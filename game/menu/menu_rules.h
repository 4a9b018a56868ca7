// The main menu's rules without its window: the seven items and where they
// are, which of them the arrow keys visit, what a key asks the menu to do,
// and the texts the menu shows.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/menu/glow_items.h"

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

inline constexpr std::array<MenuItemLayout, kMenuItemCount> kMenuLayout{{
    {"Nová hra", {25, 143, 185, 163}, 72, 143},
    {"Nahrát", {25, 188, 185, 208}, 81, 188},
    {"Uložit", {25, 235, 185, 255}, 85, 235},
    {"Zpět", {25, 283, 185, 303}, 89, 283},
    {"Nastavení", {25, 315, 185, 335}, 69, 315},
    {"Credits", {25, 347, 185, 367}, 82, 347},
    {"Exit", {25, 379, 185, 399}, 93, 379},
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

// The B key's note on when the project was started and how many lines of
// code it has.
inline constexpr const char* kProjectNoteTitle = "Z kroniky jeskyně";
std::string ProjectNoteText(int64_t sourceLines);

// "řádek", "řádky" or "řádků", as Czech counts lines.
const char* LinesWord(int64_t count);

}  // namespace game
