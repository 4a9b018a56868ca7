// An installed game and its settings tool find the same setup.ini: the tool
// starts from the default beside the programs, saves into the player's
// config folder, and the game then starts with what was saved there.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "game/core/settings.h"
#include "game/desktop/app_paths.h"
#include "setup/form1.h"

namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(InstalledSettings, TheToolSavesWhereTheGameReads) {
    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();
    const fs::path bin = root / "usr/bin";
    fs::create_directories(bin);
    const std::string defaults = "Zvuky=Ne\r\nHlasitost=40\r\nTick=0\r\n";
    std::ofstream(bin / "setup.ini", std::ios::binary) << defaults;

    std::map<std::string, std::string> variables = {{"HOME", (root / "home").string()}};
    platform::Surroundings s;
    s.variable = [&](const char* name) -> std::optional<std::string> {
        auto it = variables.find(name);
        return it == variables.end() ? std::nullopt : std::optional(it->second);
    };
    s.canWrite = [](const std::string&) { return true; };

    const auto before = platform::AppPaths::ForProgram(bin.string(), s);
    ASSERT_EQ(before.GetLayout(), platform::AppPaths::Layout::Installed);
    ASSERT_TRUE(
        platform::MakePrivateFolder(before.FolderPath(platform::AppPaths::Folder::Settings), s));
    {
        setup::Form1 form(QString::fromStdString(before.SettingsFile()),
                          QString::fromStdString(before.SettingsFileToWrite()));
        form.ShowError = [](const QString& title, const QString& text) {
            ADD_FAILURE() << title.toStdString() << ": " << text.toStdString();
        };
        EXPECT_FALSE(form.Check1->isChecked()) << "the default beside the programs is shown";
        form.Check1->setChecked(true);
        QTest::mouseClick(form.Command1, Qt::LeftButton);
    }
    EXPECT_EQ(Contents(bin / "setup.ini"), defaults) << "the default is never written";

    const auto after = platform::AppPaths::ForProgram(bin.string(), s);
    EXPECT_EQ(after.SettingsFile(), (root / "home/.config/karvelun/setup.ini").string());
    const game::Settings settings = game::ReadSettings(after.SettingsFile());
    EXPECT_TRUE(settings.soundOn);
    EXPECT_FLOAT_EQ(settings.volume, 0.4f);
}

}  // namespace
