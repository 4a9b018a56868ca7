// Texts read aloud (Predcitani): what the menu, the settings, the dialogs,
// a question, a notice, a sign and F2 hand to the speaker, in the player's
// language, and nothing while the player has not asked for it; and the
// game's own speaker, which never waits for a speech-dispatcher that is
// missing or stuck.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <utility>

#include "game/core/access_settings.h"
#include "game/core/game_state.h"
#include "game/core/speech.h"
#include "game/core/tile_kinds.h"
#include "game/windows/game_window.h"
#include "game/windows/language.h"
#include "game/windows/notice_window.h"
#include "game/windows/qt_speaker.h"
#include "game/windows/settings_window.h"
#include "game/world/world_effects.h"
#include "windows/menu_test_support.h"

namespace {

using namespace game;
using menu_testing::MenuTest;

class RecordingSpeaker final : public Speaker {
  public:
    void Say(const std::string& text) override { said.push_back(text); }
    void SayRuleText(const PlayerText& text) override { said.push_back("rules: " + text.czech); }
    std::vector<std::string> said;
};

class SpeechTest : public MenuTest {
  protected:
    void SetUp() override {
        MenuTest::SetUp();
        SetSpeaker(&speaker);
    }
    void TearDown() override {
        SetSpeaker(nullptr);
        UseLanguage(settings::Language::kCzech);
        MenuTest::TearDown();
    }
    // What was read since the last look.
    std::vector<std::string> Said() { return std::exchange(speaker.said, {}); }

    RecordingSpeaker speaker;
};

TEST_F(SpeechTest, TheChosenThingsSignsAndNoticesAreReadInThePlayersLanguage) {
    SettingsWindow settings;
    Form2 notice;
    Form1 game;
    MakeSave("hrad", 2, 5);
    MakeSave("les", 2, 8);
    Volume = 1.0f;
    const struct {
        settings::Language language;
        std::vector<std::string> menu, settingsRows, question, notice, status;
    } cases[] = {
        {settings::Language::kCzech,
         {"Nová hra", "Nahrát"},
         {"Hlasitost: 100", "Hlasitost: 95", "Hlasitost: 100", "Zvuky: Ano"},
         {"Opravdu chcete ztratit neuloženou hru? Ne", "Ano"},
         {"Pozor na netopýry!"},
         {"Životy 7 z 10, peníze 120, 90. patro."}},
        {settings::Language::kEnglish,
         {"New game", "Load"},
         {"Volume: 100", "Volume: 95", "Volume: 100", "Sound: Yes"},
         {"Do you really want to lose your unsaved game? No", "Yes"},
         {"Pozor na netopýry!"},
         {"Lives 7 of 10, gold 120, Floor 90."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language == settings::Language::kEnglish ? "English" : "Czech");
        UseLanguage(c.language);
        for (const bool on : {false, true}) {
            Access.speech = on;
            const auto expect = [&](const std::vector<std::string>& texts) {
                EXPECT_EQ(Said(), on ? texts : std::vector<std::string>{});
            };
            // The menu as it opens, then the item the arrow chose.
            menu->hide();
            menu->Items.Selected = kMenuNewGame;
            menu->show();
            menu->Form_KeyDown(platform::vk::Down, 0);
            expect(c.menu);
            // A settings row and its value as it is chosen and changed.
            settings.Form_KeyDown(platform::vk::Down, 0);
            settings.Form_KeyDown(platform::vk::Left, 0);
            settings.Form_KeyDown(platform::vk::Right, 0);
            settings.Form_KeyDown(platform::vk::Up, 0);
            expect(c.settingsRows);
            // A question with the answer it opens at, then the other answer.
            WhenShown(*question, [&] {
                question->Form_KeyDown(platform::vk::Left);
                question->Form_KeyDown(platform::vk::Return);
            });
            question->Ask(kLoseGameQuestion, Answer::kNo);
            expect(c.question);
            // A notice as it opens, in the words it shows.
            WhenShown(notice, [&] { Key(notice, Qt::Key_Return); });
            notice.ShowNotice(QString::fromUtf8("Pozor na netopýry!"));
            expect(c.notice);
            // A dialog's entry as the player chooses it (the newest save
            // was chosen as the dialog filled).
            menu->FillBoard(*load);
            const int other = load->List1->currentRow() == 0 ? 1 : 0;
            load->List1->setCurrentRow(other);
            expect({load->List1->item(other)->text().toStdString()});
            // F2: the hero's lives, gold and floor.
            Lives = 7;
            MaxLives = 10;
            Gold = 120;
            LevelNumber = 90;  // a floor without a name
            QTest::keyClick(game.Picture1, Qt::Key_F2);
            expect(c.status);
        }
    }

    // A sign is read as it is stepped on, as the rules hand it over.
    Access.speech = true;
    OpenFieldInItsWalls(true);
    HeroX = HeroY = 200;
    Tile& sign = Tiles[TileIndexOf(207.0f, 207.0f)];
    sign.Kind = kSign;
    sign.Param1 = "Pozor na netopýry!";
    HeroTileEvents();
    EXPECT_EQ(Said(), (std::vector<std::string>{"rules: Pozor na netopýry!"}));
    Access.speech = false;
}

// A listening socket that never answers: a speech-dispatcher stuck.
class SilentServer {
  public:
    explicit SilentServer(const std::string& path) {
        fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
        ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(fd_, 8);
    }
    ~SilentServer() { ::close(fd_); }

  private:
    int fd_ = -1;
};

// The game's stderr, caught in a file while it lives.
class CaughtStderr {
  public:
    CaughtStderr() : saved_(::dup(2)) {
        std::fflush(stderr);
        const int file = ::open(path_.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0600);
        ::dup2(file, 2);
        ::close(file);
    }
    ~CaughtStderr() {
        std::fflush(stderr);
        ::dup2(saved_, 2);
        ::close(saved_);
        std::remove(path_.c_str());
    }
    int Lines(const std::string& with) const {
        std::fflush(stderr);
        std::ifstream in(path_);
        int count = 0;
        for (std::string line; std::getline(in, line);)
            count += line.find(with) != std::string::npos;
        return count;
    }

  private:
    std::string path_ = "/tmp/karvelun-speech-stderr-" + std::to_string(::getpid());
    int saved_;
};

TEST(QtSpeakerTest, AMissingOrStuckSpeechDispatcherNeverHoldsTheGame) {
    QTemporaryDir folder;
    const std::string socket = folder.filePath("speechd.sock").toStdString();
    Access.speech = true;
    for (const bool stuck : {false, true}) {
        SCOPED_TRACE(stuck ? "stuck" : "missing");
        SilentServer* server = stuck ? new SilentServer(socket) : nullptr;
        qputenv("SPEECHD_ADDRESS", ("unix_socket:" + socket).c_str());
        CaughtStderr caught;
        QElapsedTimer clock;
        clock.start();
        {
            QtSpeaker speaker;
            for (int i = 0; i < 5; ++i)
                Speak("Pozor na netopýry! " + std::to_string(i));
            EXPECT_LT(clock.elapsed(), 200);
            if (!stuck) {
                // One line says why, however many texts went unread.
                EXPECT_TRUE(QTest::qWaitFor([&] { return caught.Lines("karvelun:") > 0; }, 10000));
                Speak("Ještě jednou");
                QTest::qWait(300);
                EXPECT_EQ(caught.Lines("karvelun:"), 1);
            }
            clock.restart();
        }
        // Gone within a moment, even from a thread stuck in the library.
        EXPECT_LT(clock.elapsed(), 1500);
        delete server;
    }
    qunsetenv("SPEECHD_ADDRESS");
    Access.speech = false;
}

}  // namespace
