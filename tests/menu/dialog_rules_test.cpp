// The dialogs' rules without a window: the buttons' keys, the names a save
// may have, and how the save folder is listed.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "game/levels/save_description.h"
#include "game/levels/save_names.h"
#include "game/menu/dialog_buttons.h"
#include "game/menu/letter_grid.h"
#include "game/menu/save_board.h"
#include "game/platform/keys.h"
#include "support/game_test.h"

namespace {

using namespace game;
namespace vk = platform::vk;
namespace fs = std::filesystem;

TEST(DialogKeys, LeftAndRightGoRoundTheTwoButtons) {
    DialogGlow buttons = NewDialogGlow(kQuestionButtons);
    EXPECT_FALSE(DialogKeyDown(buttons, vk::Left));
    EXPECT_EQ(buttons.Selected, 1);
    EXPECT_FALSE(DialogKeyDown(buttons, vk::Left));
    EXPECT_EQ(buttons.Selected, 0);
    DialogKeyDown(buttons, vk::Right);
    EXPECT_EQ(buttons.Selected, 1);
    DialogKeyDown(buttons, vk::Right);
    EXPECT_EQ(buttons.Selected, 0);
    EXPECT_EQ(buttons.Highlighted, (std::array<bool, 2>{true, false}));
}

TEST(DialogKeys, AnyOtherKeyLightsTheSelectionAndEnterRunsIt) {
    DialogGlow buttons = NewDialogGlow(kSaveButtons);
    buttons.Selected = 1;
    EXPECT_FALSE(DialogKeyDown(buttons, 'A'));
    EXPECT_EQ(buttons.Selected, 1);
    EXPECT_EQ(buttons.Highlighted, (std::array<bool, 2>{false, true}));
    EXPECT_TRUE(DialogKeyDown(buttons, vk::Return));
    EXPECT_EQ(buttons.Selected, 1);
}

TEST(DialogButtonsGlow, LosingThePointerFadesInThirtyTwoTicks) {
    DialogGlow buttons = NewDialogGlow(kLoadButtons);
    buttons.PointerMoved(50, 180);
    EXPECT_EQ(buttons.Selected, 0);
    for (int i = 0; i < 32; ++i)
        buttons.Animate();
    EXPECT_EQ(buttons.Brightness, (std::array<int16_t, 2>{255, 0}));
    buttons.PointerMoved(250, 190);
    EXPECT_EQ(buttons.Selected, 1);
    for (int i = 0; i < 31; ++i)
        buttons.Animate();
    EXPECT_EQ(buttons.Brightness, (std::array<int16_t, 2>{7, 248}));
    buttons.Animate();
    EXPECT_EQ(buttons.Brightness, (std::array<int16_t, 2>{0, 255}));
}

TEST(SaveNames, TheElevenCharactersAndTheEmptyNameAreRefused) {
    for (char c : std::string(".,:;\"'&#$?*"))
        EXPECT_EQ(JudgeSaveName(std::string("hra") + c + "1"), SaveNameVerdict::kReservedCharacter)
            << c;
    EXPECT_EQ(JudgeSaveName(""), SaveNameVerdict::kEmpty);
}

TEST(SaveNames, NamesTheFolderOrTheFilesCannotTakeAreRefused) {
    EXPECT_EQ(JudgeSaveName("a/b"), SaveNameVerdict::kPathSeparator);
    EXPECT_EQ(JudgeSaveName("/"), SaveNameVerdict::kPathSeparator);
    EXPECT_EQ(JudgeSaveName("a\\b"), SaveNameVerdict::kPathSeparator);
    EXPECT_EQ(JudgeSaveName(".."), SaveNameVerdict::kOnlyFullStops);
    EXPECT_EQ(JudgeSaveName("."), SaveNameVerdict::kOnlyFullStops);
    EXPECT_EQ(JudgeSaveName("a\tb"), SaveNameVerdict::kControlCharacter);
    EXPECT_EQ(JudgeSaveName("a\nb"), SaveNameVerdict::kControlCharacter);
    EXPECT_EQ(JudgeSaveName(std::string("a\0b", 3)), SaveNameVerdict::kControlCharacter);
    EXPECT_EQ(JudgeSaveName("a\xC2\x85"), SaveNameVerdict::kControlCharacter);
    EXPECT_EQ(JudgeSaveName("Саша"), SaveNameVerdict::kNotInCodePage);
    EXPECT_EQ(JudgeSaveName("hra €"), SaveNameVerdict::kAccepted);  // € is in the page
    EXPECT_EQ(JudgeSaveName("hra 😀"), SaveNameVerdict::kNotInCodePage);
    EXPECT_EQ(JudgeSaveName("a\xFF"), SaveNameVerdict::kNotInCodePage);  // broken UTF-8

    std::string hundred;
    for (int i = 0; i < 100; ++i)
        hundred += "ž";
    EXPECT_EQ(JudgeSaveName(hundred), SaveNameVerdict::kAccepted);
    EXPECT_EQ(JudgeSaveName(hundred + "a"), SaveNameVerdict::kTooLong);
}

TEST(SaveNames, CzechNamesWithBlanksAreTaken) {
    for (const char* name : {"Příliš žluťoučký kůň", "level 5", "Hrad-2 (večer)", "q u i c k"})
        EXPECT_EQ(JudgeSaveName(name), SaveNameVerdict::kAccepted) << name;
}

TEST(SaveBoard, EachSaveOnceByNameAndOnlyFilesWithLev) {
    EXPECT_EQ(SaveBoardEntries(
                  {"hrad.lev", "hrad.pos", "quick.lev", "quick.pos", "zámek.lev", "zámek.pos"}),
              (std::vector<std::string>{"hrad", "quick", "zámek"}));
    // A save called "level" has "LEV" in both files: still listed once.
    EXPECT_EQ(SaveBoardEntries({"level.lev", "level.pos"}), (std::vector<std::string>{"level"}));
    // A .pos without its package is not listed; other files with "lev" are,
    // without their last four characters.
    EXPECT_EQ(SaveBoardEntries({"sám.pos", "README.txt", "elevator.txt"}),
              (std::vector<std::string>{"elevator"}));
    // Only the entry just before counts as a repeat.
    EXPECT_EQ(SaveBoardEntries({"a.lev", "b.lev", "a.LEV"}),
              (std::vector<std::string>{"a", "b", "a"}));
    // Names too short to lose four characters give nothing.
    EXPECT_EQ(SaveBoardEntries({"lev", ".lev", "xlev"}), (std::vector<std::string>{}));
}

// The quick save and the autosaves are the game's alone: the save dialog
// refuses their names as typed ("auto-" and any number: the autosaves move
// on past a player's own save of such a name) and leaves them out of its
// list, which keeps its order.  The list knows the quick save by its name
// only; typed, any name with "quick" in it is refused.
TEST(SaveNames, TheQuickSaveAndTheAutosavesAreTheGamesAlone) {
    using enum SaveNameVerdict;
    struct Case {
        const char* name;
        SaveNameVerdict verdict;
        bool listed;
    };
    const Case cases[] = {
        {"zámek", kAccepted, true},        {"QUICK", kMentionsQuick, false},
        {"quick", kMentionsQuick, false},  {"Quick", kMentionsQuick, false},
        {"quickly", kMentionsQuick, true}, {"můjQuIcKsave", kMentionsQuick, true},
        {"auto-1", kAutosaveName, false},  {"AUTO-2", kAutosaveName, false},
        {"Auto-3", kAutosaveName, false},  {"auto-0", kAutosaveName, false},
        {"auto-4", kAutosaveName, false},  {"AUTO-12", kAutosaveName, false},
        {"auto-", kAccepted, true},        {"auto-1a", kAccepted, true},
        {"auto-1 ", kAccepted, true},      {"auto1", kAccepted, true},
        {"xauto-2", kAccepted, true},      {"hrad", kAccepted, true},
    };
    std::vector<std::string> entries, kept;
    for (const Case& c : cases) {
        EXPECT_EQ(JudgeSaveName(c.name), c.verdict) << c.name;
        entries.push_back(c.name);
        if (c.listed) kept.push_back(c.name);
    }
    RemoveReservedEntries(entries);
    EXPECT_EQ(entries, kept);
}

class SaveFolderListing : public testing_support::GameTest {
  protected:
    void Touch(const std::string& name) { std::ofstream(appFolder / "data/saves" / name) << "x"; }
};

TEST_F(SaveFolderListing, CreatesTheFolderAndListsByNameWhateverTheOrderOfCreation) {
    EXPECT_TRUE(ListSaves().empty());
    EXPECT_TRUE(fs::is_directory(appFolder / "data/saves"));

    for (const char* name : {"zz.pos", "b.lev", "zz.lev", "a.pos", "b.pos", "a.lev", "c.lev"})
        Touch(name);
    fs::create_directory(appFolder / "data/saves/old.lev");
    EXPECT_EQ(ListSaves(), (std::vector<std::string>{"a", "b", "c", "zz"}));
    EXPECT_TRUE(SaveExists("a"));
    EXPECT_FALSE(SaveExists("c"));
    EXPECT_FALSE(SaveExists("nic"));
}

// The load dialog's list, newest first, and the save it opens with.  Each
// case is the save folder's files with how many minutes ago each was
// written, the saves that have a description with how many minutes ago it
// says they were written, the list and the save chosen.
TEST_F(SaveFolderListing, TheLoadListIsNewestFirstAndChoosesTheNewestWholeSave) {
    using Ages = std::vector<std::pair<const char*, int>>;
    struct Case {
        Ages files;
        Ages described;
        std::vector<std::string> listed;
        const char* chosen;  // "" for none
    };
    const Case cases[] = {
        {{}, {}, {}, ""},
        // By their files: a pair is as new as the later of its two files.
        {{{"a.lev", 1}, {"a.pos", 8}, {"b.lev", 9}, {"b.pos", 0}, {"c.lev", 5}, {"c.pos", 5}},
         {},
         {"b", "a", "c"},
         "b"},
        // A description's time counts, not its files' (a copied save keeps
        // its time); an old save without one goes by its files among them.
        {{{"a.lev", 0}, {"a.pos", 0}, {"b.lev", 30}, {"b.pos", 30}, {"old.lev", 4}, {"old.pos", 4}},
         {{"a", 60}, {"b", 2}},
         {"b", "old", "a"},
         "b"},
        // A package without its position file has no time: last, and never
        // chosen.  Other files with "lev" are listed as ever.
        {{{"a.lev", 5}, {"a.pos", 5}, {"nový.lev", 0}, {"elevator.txt", 0}},
         {},
         {"a", "elevator", "nový"},
         "a"},
        {{{"nový.lev", 0}}, {}, {"nový"}, ""},
        // A described save whose position file is gone is listed by its
        // description's time, but is no save to load.
        {{{"a.lev", 5}, {"a.pos", 5}, {"b.lev", 0}}, {{"b", 1}}, {"b", "a"}, "a"},
        // Written in the same second, by a description or by the files: by name.
        {{{"b.lev", 2}, {"b.pos", 2}, {"a.lev", 2}, {"a.pos", 2}}, {}, {"a", "b"}, "a"},
        {{{"b.lev", 3}, {"b.pos", 3}, {"a.lev", 9}, {"a.pos", 9}}, {{"a", 3}}, {"a", "b"}, "a"},
    };
    const fs::path saves = appFolder / "data/saves";
    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE("case " + std::to_string(i));
        fs::remove_all(saves);
        fs::create_directories(saves);
        for (const auto& [name, minutesAgo] : c.files) {
            Touch(name);
            fs::last_write_time(saves / name, std::chrono::file_clock::from_sys(
                                                  now - std::chrono::minutes(minutesAgo)));
        }
        for (const auto& [name, minutesAgo] : c.described) {
            SaveDescription description;
            description.level = 3;
            description.thumbnail = {1, 1, {0xFF000000}};
            description.writtenAt =
                (now - std::chrono::minutes(minutesAgo)).time_since_epoch().count();
            const std::vector<uint8_t> bytes = FormatSaveDescription(description);
            const fs::path place = saves / DescriptionFileName(name);
            fs::create_directories(place.parent_path());
            std::ofstream(place, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        }
        const std::vector<LoadBoardEntry> board = LoadBoard();
        std::vector<std::string> listed;
        for (const LoadBoardEntry& entry : board) {
            listed.push_back(entry.name);
            const bool described =
                std::any_of(c.described.begin(), c.described.end(),
                            [&](const auto& d) { return entry.name == d.first; });
            EXPECT_EQ(entry.description.has_value(), described) << entry.name;
        }
        EXPECT_EQ(listed, c.listed);
        const int chosen = NewestWholeEntry(board);
        EXPECT_EQ(chosen < 0 ? "" : board[size_t(chosen)].name, c.chosen);
    }
}

TEST(SaveNames, TheProposedNameIsTheLevelAndTimeAndAlwaysTaken) {
    struct Row {
        int level, hour, minute;
        const char* name;
    } rows[] = {
        {12, 14, 3, "12 patro 14-03"},
        {0, 0, 0, "0 patro 00-00"},
        {63, 23, 59, "63 patro 23-59"},
        {7, 9, 5, "7 patro 09-05"},
        // Out of range: brought in, never a broken name.
        {1, 24, 60, "1 patro 23-59"},
        {1, -1, -5, "1 patro 00-00"},
        {-1, 8, 30, "-1 patro 08-30"},
        {2147483647, 12, 0, "2147483647 patro 12-00"},
    };
    for (const Row& row : rows) {
        const std::string name = ProposedSaveName(row.level, row.hour, row.minute);
        SCOPED_TRACE(name);
        EXPECT_EQ(name, row.name);
        EXPECT_EQ(JudgeSaveName(name), SaveNameVerdict::kAccepted);
        // Never the quick save, and never taken from the save dialog's list.
        std::vector<std::string> listed{name};
        RemoveReservedEntries(listed);
        EXPECT_EQ(listed.size(), 1u);
    }
}

// A name written cell by cell as the pad writes it, and its end taken off.
TEST(LetterGrid, TheCellsWriteAcceptedNamesAndDeleteAndDoneAct) {
    const auto& cells = LetterGrid::Cells();
    ASSERT_EQ(cells.size(), size_t{LetterGrid::kColumns * LetterGrid::kRows});
    // Every character cell types something a save name may hold.
    for (const LetterGrid::Cell& cell : cells) {
        if (cell.kind == LetterGrid::CellKind::Character) {
            EXPECT_EQ(JudgeSaveName("a" + cell.text + "a"), SaveNameVerdict::kAccepted)
                << cell.text;
        }
    }
    EXPECT_EQ(LetterGrid::CellAt(10, 4).kind, LetterGrid::CellKind::Done);
    EXPECT_EQ(LetterGrid::CellAt(9, 4).kind, LetterGrid::CellKind::Delete);

    LetterGrid grid;
    auto moveTo = [&](const std::string& text) {
        for (int i = 0; i < static_cast<int>(cells.size()) && grid.Chosen().text != text; ++i) {
            grid.Move(1, 0);
            if (grid.Column() == 0) grid.Move(0, 1);
        }
        ASSERT_EQ(grid.Chosen().text, text);
    };
    std::string name;
    for (const char* typed : {"č", "á", "p", "x", " ", "9"}) {
        moveTo(typed);
        EXPECT_FALSE(grid.Press(name, 100));
    }
    EXPECT_EQ(name, "čápx 9");
    grid.Reset();
    grid.Move(-1, -1);  // round the corner to "done"
    EXPECT_TRUE(grid.Press(name, 100));
    grid.Move(-1, 0);  // "delete", twice, and on an empty name
    EXPECT_FALSE(grid.Press(name, 100));
    EXPECT_FALSE(grid.Press(name, 100));
    EXPECT_EQ(name, "čápx");
    std::string empty;
    EXPECT_FALSE(grid.Press(empty, 100));
    EXPECT_EQ(empty, "");
    // A full name takes no more characters.
    grid.Reset();
    std::string full = "ž";
    EXPECT_FALSE(grid.Press(full, 1));
    EXPECT_EQ(full, "ž");
    // Up from the first row comes in at the last; Right from the last
    // column at the first.
    grid.Reset();
    grid.Move(0, -1);
    EXPECT_EQ(grid.Row(), LetterGrid::kRows - 1);
    grid.Move(LetterGrid::kColumns, 0);
    EXPECT_EQ(grid.Column(), 0);
}

}  // namespace
