// The settings window's rules without a window: the rows in their order,
// what each shows, what each key does to them, and the key list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/menu/settings_rows.h"
#include "game/platform/keys.h"

namespace {

using namespace game;
namespace vk = platform::vk;
using settings::KeyRefusal;
using settings::SetupValues;

std::vector<std::string> Shown(const SetupValues& values) {
    std::vector<std::string> rows;
    for (int16_t row = 0; row < kSettingsRowCount; ++row) {
        const std::string value = SettingsRowValue(values, row);
        rows.push_back(std::string(SettingsRowName(row)) + (value.empty() ? "" : "=" + value));
    }
    return rows;
}

TEST(SettingsRows, OrderValuesAndWhatEachKeyDoes) {
    SetupValues values;
    values.otherLines = {"Novinka=1"};
    EXPECT_EQ(Shown(values),
              (std::vector<std::string>{
                  "Zvuky=Ano", "Hlasitost=100", "Hudba=70", "Zpomalení hry=žádné",
                  "Zvětšení=automaticky", "Celá obrazovka=Ne", "Pauza při přepnutí okna=Ano",
                  "Pomoc na rozích=Ano", "Jazyk=Čeština", "Obtížnost=normální", "Blikání=Ano",
                  "Velké písmo=Ne", "Střelba přepínačem=Ne", "Mrtvá zóna páčky=35 %",
                  "Předčítání=Ne", "Časomíra=Ne", "Klávesy…", "Výchozí", "Zpět"}));

    // Each step: the row chosen before, the key, what it asked, and the row
    // shown afterwards.  The steps run on one page, one after another.
    struct Step {
        int16_t row;
        int16_t key;
        SettingsAction action;
        std::string shown;  // the chosen row afterwards, as Shown() gives it
    };
    const Step steps[] = {
        {kRowSound, vk::Up, SettingsAction::kMoved, "Zpět"},  // round the top
        {kRowBack, vk::Down, SettingsAction::kMoved, "Zvuky=Ano"},
        {kRowSound, vk::Return, SettingsAction::kChanged, "Zvuky=Ne"},
        {kRowSound, vk::Left, SettingsAction::kChanged, "Zvuky=Ano"},
        {kRowVolume, vk::Right, SettingsAction::kNothing, "Hlasitost=100"},  // at its end
        {kRowVolume, vk::Left, SettingsAction::kChanged, "Hlasitost=95"},
        {kRowVolume, vk::Return, SettingsAction::kNothing, "Hlasitost=95"},
        {kRowMusic, vk::Right, SettingsAction::kChanged, "Hudba=75"},
        {kRowTick, vk::Left, SettingsAction::kNothing, "Zpomalení hry=žádné"},
        {kRowTick, vk::Right, SettingsAction::kChanged, "Zpomalení hry=100"},
        {kRowScale, vk::Left, SettingsAction::kNothing, "Zvětšení=automaticky"},
        {kRowScale, vk::Right, SettingsAction::kChanged, "Zvětšení=1×"},
        {kRowFullScreen, vk::Right, SettingsAction::kChanged, "Celá obrazovka=Ano"},
        {kRowPauseOnFocusLoss, vk::Return, SettingsAction::kChanged, "Pauza při přepnutí okna=Ne"},
        {kRowCornerHelp, vk::Left, SettingsAction::kChanged, "Pomoc na rozích=Ne"},
        {kRowLanguage, vk::Right, SettingsAction::kChanged, "Jazyk=English"},
        {kRowLanguage, vk::Right, SettingsAction::kChanged, "Jazyk=Čeština"},  // round
        {kRowLanguage, vk::Return, SettingsAction::kChanged, "Jazyk=English"},
        {kRowDifficulty, vk::Left, SettingsAction::kChanged, "Obtížnost=lehká"},
        {kRowDifficulty, vk::Left, SettingsAction::kChanged, "Obtížnost=normální"},  // round
        {kRowDifficulty, vk::Return, SettingsAction::kChanged, "Obtížnost=lehká"},
        {kRowFlashing, vk::Right, SettingsAction::kChanged, "Blikání=Ne"},
        {kRowLargeText, vk::Return, SettingsAction::kChanged, "Velké písmo=Ano"},
        {kRowFireToggles, vk::Left, SettingsAction::kChanged, "Střelba přepínačem=Ano"},
        {kRowDeadZone, vk::Right, SettingsAction::kChanged, "Mrtvá zóna páčky=40 %"},
        {kRowDeadZone, vk::Return, SettingsAction::kNothing, "Mrtvá zóna páčky=40 %"},
        {kRowSpeech, vk::Return, SettingsAction::kChanged, "Předčítání=Ano"},
        {kRowRunTimer, vk::Return, SettingsAction::kChanged, "Časomíra=Ano"},
        {kRowRunTimer, vk::Right, SettingsAction::kChanged, "Časomíra=Ne"},
        {kRowKeys, vk::Left, SettingsAction::kNothing, "Klávesy…"},
        {kRowKeys, vk::Return, SettingsAction::kOpenKeys, "Klávesy…"},
        {kRowBack, vk::Return, SettingsAction::kClose, "Zpět"},
        {kRowVolume, vk::Escape, SettingsAction::kClose, "Hlasitost=95"},
        {kRowVolume, 'X', SettingsAction::kNothing, "Hlasitost=95"},
    };
    SettingsPage page{values};
    for (const Step& step : steps) {
        page.row = step.row;
        EXPECT_EQ(SettingsKeyDown(page, step.key), step.action) << step.shown;
        EXPECT_EQ(Shown(page.values)[page.row], step.shown);
    }

    // "Výchozí" puts every setting and key back and keeps the unknown lines.
    page.values.keys[0] = 'W';
    page.row = kRowDefaults;
    EXPECT_EQ(SettingsKeyDown(page, vk::Return), SettingsAction::kDefaults);
    EXPECT_EQ(page.values, values);

    // Values between the steps (a hand-written file) go to the next step;
    // the ends hold, and the scale stops at "vyplnit".
    struct Value {
        int16_t row;
        int before, direction, after;
    };
    const Value between[] = {
        {kRowVolume, 73, -1, 70},    {kRowVolume, 73, 1, 75},   {kRowVolume, 0, -1, 0},
        {kRowMusic, 100, 1, 100},    {kRowMusic, 2, -1, 0},     {kRowTick, 19950, 1, 20000},
        {kRowTick, 20000, 1, 20000}, {kRowTick, 150, -1, 100},  {kRowScale, 4, 1, 5},
        {kRowScale, 5, 1, 5},        {kRowDeadZone, 5, -1, 5},  {kRowDeadZone, 9, -1, 5},
        {kRowDeadZone, 12, 1, 15},   {kRowDeadZone, 60, 1, 60}, {kRowDeadZone, 58, 1, 60},
    };
    for (const Value& v : between) {
        SetupValues stepped;
        int& value = v.row == kRowVolume     ? stepped.volume
                     : v.row == kRowMusic    ? stepped.music
                     : v.row == kRowTick     ? stepped.tick
                     : v.row == kRowDeadZone ? stepped.deadZone
                                             : stepped.scale;
        value = v.before;
        EXPECT_EQ(StepSetting(stepped, v.row, v.direction), v.after != v.before) << v.before;
        EXPECT_EQ(value, v.after) << v.row << ": " << v.before << " " << v.direction;
    }
    SetupValues fill;
    fill.scale = settings::kScaleFill;
    EXPECT_EQ(SettingsRowValue(fill, kRowScale), "vyplnit");
}

TEST(SettingsKeyList, RebindsRefusesAndCancelsAsTheSettingsToolDoes) {
    const int16_t kF11 = vk::F1 + 10;
    const std::size_t kFire = 4, kBomb = 5;
    struct Step {
        int16_t key, shift;
        KeyListAction action;
        KeyRefusal refusal;
        bool waitingAfter;
    };
    // One walk through the list: down to "Střelba", wait for a key, the
    // refused keys, a new key, then Esc cancelling a second wait, and out.
    const Step steps[] = {
        {vk::Down, 0, KeyListAction::kMoved, KeyRefusal::None, false},
        {vk::Down, 0, KeyListAction::kMoved, KeyRefusal::None, false},
        {vk::Down, 0, KeyListAction::kMoved, KeyRefusal::None, false},
        {vk::Down, 0, KeyListAction::kMoved, KeyRefusal::None, false},
        {vk::Return, 0, KeyListAction::kWaiting, KeyRefusal::None, true},
        {vk::Space, 0, KeyListAction::kRefused, KeyRefusal::Taken, true},
        {vk::F1, 0, KeyListAction::kRefused, KeyRefusal::Help, true},
        {kF11, 0, KeyListAction::kRefused, KeyRefusal::Screen, true},
        {vk::Return, platform::kAltMask, KeyListAction::kRefused, KeyRefusal::Screen, true},
        {0, 0, KeyListAction::kRefused, KeyRefusal::Unknown, true},
        {vk::Control, platform::kCtrlMask, KeyListAction::kRebound, KeyRefusal::None, false},
        {vk::Return, 0, KeyListAction::kWaiting, KeyRefusal::None, true},
        {'J', 0, KeyListAction::kRebound, KeyRefusal::None, false},
        {vk::Return, 0, KeyListAction::kWaiting, KeyRefusal::None, true},
        {vk::Escape, 0, KeyListAction::kCancelled, KeyRefusal::None, false},
        {vk::Escape, 0, KeyListAction::kLeave, KeyRefusal::None, false},
    };
    KeyList list;
    settings::KeyCodes keys = settings::DefaultKeys();
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        const KeyListResult result = KeyListKeyDown(list, keys, steps[i].key, steps[i].shift);
        EXPECT_EQ(result.action, steps[i].action) << "step " << i;
        EXPECT_EQ(result.refusal, steps[i].refusal) << "step " << i;
        EXPECT_EQ(list.waiting, steps[i].waitingAfter) << "step " << i;
    }
    EXPECT_EQ(list.row, static_cast<int16_t>(kFire));
    settings::KeyCodes expected = settings::DefaultKeys();
    expected[kFire] = 'J';
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(
        settings::RefusalNote(KeyRefusal::Taken, vk::Space, "Mezerník",
                              settings::CommandCaption(settings::OwnerOf(keys, kFire, vk::Space))),
        "Klávesu Mezerník už má příkaz Bomba.");
    EXPECT_EQ(settings::OwnerOf(keys, kBomb, vk::Space), settings::kCommandCount);

    // Up from the first command reaches "Zpět", where Enter leaves.
    list = {};
    EXPECT_EQ(KeyListKeyDown(list, keys, vk::Up, 0).action, KeyListAction::kMoved);
    EXPECT_EQ(list.row, kKeyListBack);
    EXPECT_EQ(KeyListKeyDown(list, keys, vk::Return, 0).action, KeyListAction::kLeave);
}

}  // namespace
