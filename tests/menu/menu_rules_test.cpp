// The menu's rules without a window: keys besides the arrows, the glow, the
// hit areas and the texts.  The arrows are tested through the window.
#include <gtest/gtest.h>

#include "game/menu/menu_rules.h"
#include "game/platform/keys.h"

namespace {

using namespace game;
namespace vk = platform::vk;

constexpr int16_t kCtrl = platform::kCtrlMask, kAlt = platform::kAltMask;

TEST(MenuKeys, BOnlyOnCreditsAndCtrlAltCOnlyOnNewGame) {
    MenuGlow menu = NewMenuGlow();
    menu.Selected = kMenuCredits;
    MenuKey key = MenuKeyDown(menu, 'B', 0, false, false);
    EXPECT_EQ(key.action, MenuKeyAction::kProjectNote);
    EXPECT_TRUE(key.highlightAfter);

    menu.Selected = kMenuLoad;
    menu.Highlighted[kMenuLoad] = true;
    key = MenuKeyDown(menu, 'B', 0, false, false);
    EXPECT_EQ(key.action, MenuKeyAction::kNothing);
    EXPECT_FALSE(key.highlightAfter);
    EXPECT_EQ(menu.Highlighted, (std::array<bool, 7>{}));

    menu.Selected = kMenuNewGame;
    EXPECT_EQ(MenuKeyDown(menu, 'C', kCtrl | kAlt, false, false).action, MenuKeyAction::kCheatMode);
    for (int16_t shift : {0, int(kCtrl), int(kAlt), kCtrl | kAlt | platform::kShiftMask}) {
        key = MenuKeyDown(menu, 'C', shift, false, false);
        EXPECT_EQ(key.action, MenuKeyAction::kNothing) << shift;
        EXPECT_FALSE(key.highlightAfter) << shift;
    }
    menu.Selected = kMenuExit;
    EXPECT_EQ(MenuKeyDown(menu, 'C', kCtrl | kAlt, false, false).action, MenuKeyAction::kNothing);
}

TEST(MenuKeys, EnterRunsTheSelectionAndOtherKeysOnlyLightIt) {
    MenuGlow menu = NewMenuGlow();
    menu.Selected = kMenuSave;
    EXPECT_EQ(MenuKeyDown(menu, vk::Return, 0, false, false).action, MenuKeyAction::kRunSelected);
    MenuKey key = MenuKeyDown(menu, 'X', 0, false, false);
    EXPECT_EQ(key.action, MenuKeyAction::kNothing);
    EXPECT_TRUE(key.highlightAfter);
    EXPECT_EQ(menu.Selected, kMenuSave);
}

TEST(MenuGlowTicks, TurnsYellowInThirtyTwoTicksAndFadesBackInThirtyTwo) {
    MenuGlow menu = NewMenuGlow();
    for (int tick = 1; tick <= 31; ++tick)
        menu.Animate();
    EXPECT_EQ(menu.Brightness[0], 248);
    menu.Animate();
    EXPECT_EQ(menu.Brightness[0], 255);
    menu.Animate();
    EXPECT_EQ(menu.Brightness[0], 255);
    EXPECT_EQ(menu.Brightness[1], 0);

    menu.ClearHighlights();
    for (int tick = 1; tick <= 31; ++tick)
        menu.Animate();
    EXPECT_EQ(menu.Brightness[0], 7);
    menu.Animate();
    EXPECT_EQ(menu.Brightness[0], 0);
}

TEST(MenuPointer, HitAreasIncludeTheirLeftAndTopEdgesOnly) {
    MenuGlow menu = NewMenuGlow();
    EXPECT_EQ(menu.ItemAt(25, 141), kMenuNewGame);
    EXPECT_EQ(menu.ItemAt(184, 160), kMenuNewGame);
    EXPECT_EQ(menu.ItemAt(185, 150), -1);
    EXPECT_EQ(menu.ItemAt(100, 161), -1);
    EXPECT_EQ(menu.ItemAt(24, 150), -1);
    EXPECT_EQ(menu.ItemAt(100, 400), kMenuExit);
    EXPECT_EQ(menu.ItemAt(100, 401), -1);
    // Every item forty pixels below the one before, the gaps alike.
    for (int16_t item = kMenuNewGame; item <= kMenuExit; ++item) {
        EXPECT_EQ(menu.ItemAt(100, 141 + 40 * item), item);
        EXPECT_EQ(menu.ItemAt(100, 141 + 40 * item - 1), -1);
    }
    // The pointer is rounded to whole pixels, halves to even.
    EXPECT_EQ(menu.ItemClicked(24.5f, 150.0f), -1);
    EXPECT_EQ(menu.ItemClicked(24.6f, 150.0f), kMenuNewGame);
    EXPECT_EQ(menu.ItemClicked(100.0f, 160.5f), kMenuNewGame);
}

TEST(MenuTexts, VersionLineAndTheNoteOnTheProject) {
    EXPECT_EQ(VersionLine(1, 0, 98), "Verze kompilace: 1.0.98");
    EXPECT_EQ(VersionLine(2, 11, 0), "Verze kompilace: 2.11.0");

    std::string note = ProjectNoteText(23456);
    EXPECT_NE(note.find("2026"), std::string::npos);
    EXPECT_NE(note.find("23 456 řádků"), std::string::npos);
    EXPECT_STREQ(LinesWord(1), "řádek");
    EXPECT_STREQ(LinesWord(3), "řádky");
    EXPECT_STREQ(LinesWord(0), "řádků");
    EXPECT_STREQ(LinesWord(12), "řádků");
}

}  // namespace
