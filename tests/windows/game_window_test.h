// The fixture of the game window's tests: the game's real windows over a
// fresh game state in a temporary program folder, the synthetic picture
// sheets, no pacing and a clock that stands still; the game window shown.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTest>
#include <filesystem>
#include <memory>
#include <string>

#include "game/core/access_settings.h"
#include "game/core/game_state.h"
#include "game/core/health_signs.h"
#include "game/core/key_text.h"
#include "game/desktop/app_paths.h"
#include "game/desktop/pacing.h"
#include "game/platform/clock.h"
#include "game/windows/game_window.h"
#include "game/windows/window_set.h"
#include "support/synthetic_sheets.h"

namespace core_testing {

namespace fs = std::filesystem;
using namespace game;

class GameWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetGameState();
        Access = {};
        folder = fs::temp_directory_path() / ("karvelun-form1-" + std::to_string(::getpid()));
        fs::create_directories(folder / "data");
        Places = platform::AppPaths::Portable(folder.string()).Places();
        InitTileCoordinates();
        windows = std::make_unique<WindowSet>();
        SetWindows(windows.get());
        platform::SetPacingEnabled(false);
        platform::SetTimeOfDaySource([] { return 1234.5f; });
        testing_support::InstallSyntheticSheets();
        ResetHero();
        CurrentHealthSigns().Forget();
        form().show();
    }
    void TearDown() override {
        testing_support::RemoveSyntheticSheets();
        windows.reset();
        SetWindows(nullptr);
        platform::SetTimeOfDaySource(nullptr);
        SetHealthClock(nullptr);
        KeyboardKeyUsed();  // the pad's tests leave it in use
        platform::SetPacingEnabled(true);
        ResetGameState();
        Access = {};
        fs::remove_all(folder);
    }

    Form1& form() { return windows->form1(); }
    QWidget* field() { return form().Picture1; }

    void Press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyPress(field(), key, mods);
    }
    void Release(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyRelease(field(), key, mods);
    }
    // What X11 sends while a key is held: an auto-repeated release and press.
    void AutoRepeat(Qt::Key key) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(field(), &release);
        QCoreApplication::sendEvent(field(), &press);
    }
    QStringList LogLines() {
        QStringList lines = form().Text1->toPlainText().split('\n');
        lines.removeFirst();  // the log starts with an empty line
        return lines;
    }

    fs::path folder;
    std::unique_ptr<WindowSet> windows;
};

}  // namespace core_testing
