#include "windows/menu_test_support.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "game/core/game_state.h"
#include "game/levels/byte_stream.h"
#include "game/levels/level_files.h"
#include "game/levels/level_packages.h"
#include "game/levels/package_record.h"
#include "game/levels/save_description.h"
#include "game/levels/save_games.h"

namespace menu_testing {

void MenuTest::SetUp() {
    GameTest::SetUp();
    watches_ = std::make_unique<QObject>();
    menu = std::make_unique<game::Form3>();
    credits = std::make_unique<game::Form4>();
    question = std::make_unique<game::Form5>();
    load = std::make_unique<game::Form6>();
    save = std::make_unique<game::Form7>();
    campaigns = std::make_unique<game::CampaignWindow>();
    menu->show();
    QApplication::processEvents();
}

void MenuTest::TearDown() {
    watches_.reset();
    campaigns.reset();
    save.reset();
    load.reset();
    question.reset();
    credits.reset();
    menu.reset();
    game::Sound = nullptr;
    game::SoundOn = false;
    game::ShutdownRequested = false;
    GameTest::TearDown();
}

void MenuTest::WhenShown(QWidget& window, std::function<void()> act) {
    auto* poll = new QTimer(watches_.get());
    QObject::connect(poll, &QTimer::timeout, [poll, &window, act] {
        if (!window.isVisible()) return;
        poll->stop();
        poll->deleteLater();
        act();
    });
    poll->start(5);
}

void MenuTest::Key(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&window, key, modifiers);
}

void MenuTest::MoveMouse(QWidget& window, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), window.mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &move);
}

void MenuTest::Click(QWidget& window, QPoint at) {
    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, at);
}

void MenuTest::Type(QWidget& widget, const QString& text) {
    for (QChar c : text) {
        int key = c.unicode() < 0x80 ? c.toUpper().unicode() : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&widget, &release);
    }
}

void MenuTest::RunFromKeys(int16_t ix) {
    for (int presses = 0; menu->Items.Selected != ix && presses < 12; ++presses)
        Key(*menu, Qt::Key_Down);
    ASSERT_EQ(menu->Items.Selected, ix);
    Key(*menu, Qt::Key_Return);
}

namespace {

void WriteLevels(const std::filesystem::path& path, int count, const std::string& mark) {
    game::PackageRecord campaign;
    for (int i = 0; i < count; ++i) {
        game::LevelRecord level;
        level.tiles[0].Param1 = mark + " " + std::to_string(i);
        level.tiles[1].Kind = 1;
        campaign.levels.push_back(level);
    }
    game::ByteWriter out;
    game::WritePackageRecord(out, campaign);
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(out.Bytes().data()),
               static_cast<std::streamsize>(out.Bytes().size()));
}

}  // namespace

void MenuTest::MakeCampaign(int count) {
    WriteLevels(appFolder / "data/levels.all", count, "kampaň");
}

void MenuTest::MakePack(const std::string& folder, const std::string& name) {
    const std::filesystem::path pack = appFolder / "data/campaigns" / folder;
    std::filesystem::create_directories(pack);
    std::ofstream(pack / "campaign.ini")
        << "Nazev=" << name << "\nAutor=Eliška\nVerze=0.9\nKonec=1,5\n";
    WriteLevels(pack / "levels.all", 2, name);
}

void MenuTest::MakeSave(const std::string& name, int32_t level, int32_t gold) {
    if (!std::filesystem::exists(appFolder / "data/levels.all")) MakeCampaign(3);
    game::ResetHero();
    ASSERT_TRUE(game::UnpackLevels("levels.all"));
    game::LevelNumber = level;
    ASSERT_TRUE(game::LoadLevel(level));
    game::Gold = gold;
    ASSERT_TRUE(game::SaveGame(name));
    windows.calls.clear();
    windows.log = {""};
}

void MenuTest::DateSave(const std::string& name, int minutesAgo) {
    using namespace std::chrono;
    const auto when = floor<seconds>(system_clock::now()) - minutes(minutesAgo);
    const std::filesystem::path saves = appFolder / "data/saves";
    for (const char* ending : {".lev", ".pos"})
        std::filesystem::last_write_time(saves / (name + ending), file_clock::from_sys(when));
    // The time its description tells, if it has one.
    std::optional<game::SaveDescription> description = game::ReadSaveDescription(name);
    if (!description) return;
    description->writtenAt = when.time_since_epoch().count();
    const std::vector<uint8_t> bytes = game::FormatSaveDescription(*description);
    std::ofstream(saves / game::DescriptionFileName(name), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<std::string> MenuTest::SaveFolderNames() const {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(appFolder / "data/saves", ec))
        if (!entry.is_directory()) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> MenuTest::Entries(const QListWidget& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.count(); ++i)
        entries.push_back(list.item(i)->text().toStdString());
    return entries;
}

}  // namespace menu_testing
