// Shared pieces of the menu and dialog tests: a sound object that records
// what the windows ask of it, and a fixture with the main menu, the credits
// and the three dialogs created offscreen over a temporary program folder.
#pragma once

#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/windows/campaign_window.h"
#include "game/windows/credits_window.h"
#include "game/windows/load_window.h"
#include "game/windows/menu_window.h"
#include "game/windows/question_window.h"
#include "game/windows/save_window.h"
#include "support/game_test.h"
#include "support/recording_sound.h"
#include "tembra/soundsys.h"

namespace menu_testing {

using testing_support::RecordingSound;

class MenuTest : public testing_support::GameTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Runs `act` as soon as `window` is on screen, that is inside the modal
    // wait that shows it.  A watch that never fired ends with the test.
    void WhenShown(QWidget& window, std::function<void()> act);

    // Real key and mouse events.
    static void Key(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static void MoveMouse(QWidget& window, QPoint at);
    static void Click(QWidget& window, QPoint at);
    // Types the text character by character, Czech letters included.
    static void Type(QWidget& widget, const QString& text);

    // Runs the menu item `ix` from the keyboard: the arrows up to it, then
    // Enter.  Only the arrows' skipping rules limit which items are reached.
    void RunFromKeys(int16_t ix);

    // data/levels.all with `count` levels; level i has tile 0's Param1
    // "kampaň i".
    void MakeCampaign(int count);
    // A campaign pack data/campaigns/<folder> named `name` of two levels;
    // tile 0's Param1 of level i is "<name> i".
    void MakePack(const std::string& folder, const std::string& name);
    // A saved game under `name` of a hero on level `level` with `gold`, made
    // by the game's own save routine.
    void MakeSave(const std::string& name, int32_t level, int32_t gold);
    // Dates both files of the save `name`, and the time its description
    // tells, back to `minutesAgo` minutes ago.
    void DateSave(const std::string& name, int minutesAgo);
    // The save folder's files, without the folder of descriptions.
    std::vector<std::string> SaveFolderNames() const;
    // Texts of a dialog list.
    static std::vector<std::string> Entries(const QListWidget& list);

    std::unique_ptr<game::Form3> menu;
    std::unique_ptr<game::Form4> credits;
    std::unique_ptr<game::Form5> question;
    std::unique_ptr<game::Form6> load;
    std::unique_ptr<game::Form7> save;
    std::unique_ptr<game::CampaignWindow> campaigns;
    RecordingSound sound;

  private:
    std::unique_ptr<QObject> watches_;
};

}  // namespace menu_testing
