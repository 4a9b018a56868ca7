// The real windows through a whole start-up and shut-down, with small
// generated pictures in a temporary program folder.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <vector>

#include "game/core/game_state.h"
#include "game/core/messages.h"
#include "game/core/sound_component.h"
#include "game/desktop/app_paths.h"
#include "game/platform/surface.h"
#include "game/play/startup.h"
#include "game/windows/game_window.h"
#include "game/windows/menu_window.h"
#include "game/windows/message_window.h"
#include "game/windows/progress_window.h"
#include "game/windows/window_set.h"

namespace {

namespace fs = std::filesystem;

class StartupWindows : public ::testing::Test {
  protected:
    fs::path folder = fs::temp_directory_path() / ("karvelun-win-" + std::to_string(::getpid()));

    void SetUp() override {
        game::ResetGameState();
        game::SetSoundComponent(nullptr);
        fs::create_directories(folder / "data/obr");
        for (const char* name :
             {"gui", "gui2", "gui3", "sc1", "sc2", "sc3", "sc4", "sc5", "sc6", "sc7"})
            WritePicture(name, 40, 30);
    }
    void TearDown() override {
        game::SetWindows(nullptr);
        game::ResetGameState();
        fs::remove_all(folder);
    }
    void WritePicture(const std::string& name, int w, int h) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(QColor(10, 20, 30));
        // Saved without an extension: the loader must find PNG by content.
        ASSERT_TRUE(
            image.save(QString::fromStdString((folder / "data/obr" / name).string()), "PNG"));
    }
};

TEST_F(StartupWindows, ReachesTheMenuAfterFortyDashesAndShutsDownOnItsClose) {
    int handlesBefore = platform::LiveGdiHandles();
    game::WindowSet windows;
    game::SetWindows(&windows);
    ASSERT_TRUE(game::Main(platform::AppPaths::Portable(folder.string()).Places()));

    EXPECT_TRUE(windows.form3().isVisible());
    EXPECT_EQ(windows.form3().windowTitle(), "Orvane Karvelun v1.01");
    EXPECT_EQ(windows.form3().size(), QSize(483, 416));
    EXPECT_FALSE(windows.form8().isVisible());
    EXPECT_EQ(windows.form8().Label2->text(), QString(41, '-'));
    EXPECT_FALSE(windows.form1().isVisible());
    EXPECT_EQ(windows.form1().size(), QSize(779, 516));
    EXPECT_FALSE(windows.form1().Background().isNull());
    EXPECT_EQ(game::SurfaceCount, 7);
    EXPECT_EQ(platform::LiveGdiHandles(), handlesBefore + 14);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    fs::create_directories(folder / "data/levels");
    std::ofstream(folder / "data/levels/level0.sc") << "x";
    windows.form3().close();

    EXPECT_TRUE(game::ShutdownRequested);
    EXPECT_FALSE(windows.form3().isVisible());
    EXPECT_FALSE(fs::exists(folder / "data/levels/level0.sc"));
    EXPECT_EQ(game::SurfaceCount, 0);
    EXPECT_EQ(platform::LiveGdiHandles(), handlesBefore);
}

TEST_F(StartupWindows, AnUnreadablePictureStopsTheStartUp) {
    std::ofstream(folder / "data/obr/sc4", std::ios::trunc) << "not a picture";
    game::WindowSet windows;
    game::SetWindows(&windows);
    // The message box would wait for a click; close it whenever one shows.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<game::MessageWindow*>(w) && w->isVisible()) w->close();
    });
    closer.start(10);
    EXPECT_FALSE(game::Main(platform::AppPaths::Portable(folder.string()).Places()));
    EXPECT_FALSE(windows.form3().isVisible());
    EXPECT_EQ(game::SurfaceCount, 0);
}

TEST_F(StartupWindows, AFailedUnregistrationIsShownDuringTheShutDownAndTheProgramEnds) {
    game::SetSoundComponent(game::LoadSoundComponent(FAILING_SOUND_FOLDER));
    game::WindowSet windows;
    game::SetWindows(&windows);
    ASSERT_TRUE(game::Main(platform::AppPaths::Portable(folder.string()).Places()));
    fs::create_directories(folder / "data/levels");
    std::ofstream(folder / "data/levels/level0.sc") << "x";

    std::vector<std::string> shown;
    bool levelsDeletedBefore = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<game::MessageWindow*>(w);
            if (!box || !box->isVisible()) continue;
            shown.push_back(box->Text->text().toStdString());
            levelsDeletedBefore = !fs::exists(folder / "data/levels/level0.sc");
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    closer.start(10);
    // A program that never ended would fail here rather than hang.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(30000);
    QTimer::singleShot(0, &windows.form3(), [&] { windows.form3().close(); });

    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(shown, std::vector<std::string>{"Chyba při čištění paměti!"});
    EXPECT_TRUE(levelsDeletedBefore);
    EXPECT_TRUE(game::ShutdownRequested);
    EXPECT_FALSE(windows.form3().isVisible());
}

TEST_F(StartupWindows, TheLogKeepsItsLinesAndTheirOrder) {
    game::WindowSet windows;
    game::SetWindows(&windows);
    EXPECT_EQ(windows.LogLineCount(), 1);
    game::AddLogLine("Čas se zastavil...");
    game::AddLogLine("Čas běží dál...");
    EXPECT_EQ(windows.LogLineCount(), 3);
    EXPECT_EQ(windows.form1().Text1->toPlainText(), "\nČas se zastavil...\nČas běží dál...");
    windows.ClearLog();
    EXPECT_EQ(windows.LogLineCount(), 1);
}

// Lines the log widget itself shows for each of its paragraphs, as laid out
// at its present size.
std::vector<int> ShownLines(QPlainTextEdit& log) {
    std::vector<int> lines;
    QTextDocument* document = log.document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        document->documentLayout()->blockBoundingRect(block);  // lays the block out
        lines.push_back(block.layout()->lineCount());
    }
    return lines;
}

// Story lines of every length: short, wrapping at a word boundary, one word
// too long for a line, empty.  Each wraps alike at any text width from 221 to
// 245 pixels, whatever the width of the log's scroll bar.
const char* const kStoryLines[] = {
    "Získal jsi 7 zlatých!",
    "Kostlivec tě zasáhl za 12 životů a ty jsi mu to vrátil dračí bombou, která "
    "rozmetala celou chodbu až ke schodům do dalšího patra jeskyně.",
    "Dlouhéslovobezmezerkteréseneveslovnánaželezněřádkuprotožejeprostěpřílišdlouhé",
    "",
    "Síla magické střely byla vylepšena!",
};

TEST_F(StartupWindows, TheLogCountsTheLinesItShowsAtItsNormalSize) {
    game::WindowSet windows;
    game::SetWindows(&windows);
    QPlainTextEdit& log = *windows.form1().Text1;
    windows.form1().show();
    for (int round = 0; round < 3; ++round)  // enough for the scroll bar
        for (const char* line : kStoryLines)
            game::AddLogLine(line);
    QApplication::processEvents();
    std::vector<int> shown = ShownLines(log);
    ASSERT_EQ(shown.size(), 16u);
    EXPECT_GT(*std::max_element(shown.begin(), shown.end()), 2);
    EXPECT_EQ(windows.LogLineCount(), std::accumulate(shown.begin(), shown.end(), 0));

    // A larger view of the window draws the log larger; the count stays
    // that of the log's normal size.
    const int before = windows.LogLineCount();
    QFont large = log.font();
    large.setPixelSize(2 * large.pixelSize());
    log.setFont(large);
    log.resize(2 * log.width(), 2 * log.height());
    for (const char* line : kStoryLines)
        game::AddLogLine(line);
    EXPECT_EQ(windows.LogLineCount() - before,
              std::accumulate(shown.begin() + 1, shown.begin() + 6, 0));
}

TEST_F(StartupWindows, TheLogEmptiesAfterTenThousandShownLines) {
    game::WindowSet windows;
    game::SetWindows(&windows);
    QPlainTextEdit& log = *windows.form1().Text1;
    windows.form1().show();
    // A line the log shows as three (at any text width from 210 to 249).
    const std::string line =
        "Obří pavouk tě kousl za 25 životů nejjedovatějším kusadlem a zmizel v "
        "nejtemnějším koutě.";
    game::AddLogLine(line);
    QApplication::processEvents();
    ASSERT_EQ(ShownLines(log).back(), 3);
    windows.form1().hide();  // the rest needs no drawing

    for (int i = 1; i < 3334; ++i)
        game::AddLogLine(line);
    EXPECT_EQ(windows.LogLineCount(), 1 + 3 * 3334);
    EXPECT_EQ(log.document()->blockCount(), 3335);  // nothing emptied yet

    game::AddLogLine("Čas běží dál...");
    EXPECT_EQ(log.toPlainText(), "\nČas běží dál...");
    EXPECT_EQ(windows.LogLineCount(), 2);
}

}  // namespace
