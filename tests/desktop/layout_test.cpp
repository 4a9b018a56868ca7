// Where the game's files live: the portable folder, the installed layout
// with the player's XDG folders, and the temporary layout of a run that must
// not touch the player's files.
#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QStandardPaths>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "game/desktop/app_paths.h"
#include "game/platform/private_folder.h"

namespace {

namespace fs = std::filesystem;
using platform::AppPaths;
using Folder = AppPaths::Folder;
using Layout = AppPaths::Layout;

// A prefix laid out as an install leaves it: <prefix>/bin, share/karvelun and
// lib/karvelun, and a home folder beside it.
class LayoutTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("karvelun-layout-" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(bin());
        fs::create_directories(root / "home");
        variables["HOME"] = (root / "home").string();
    }
    void TearDown() override {
        fs::permissions(root, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(root);
    }

    fs::path bin() const { return root / "prefix/bin"; }
    std::string home() const { return (root / "home").string(); }

    // The environment and the writable folders as the test sets them.
    platform::Surroundings Surroundings() const {
        platform::Surroundings s;
        s.variable = [this](const char* name) -> std::optional<std::string> {
            auto it = variables.find(name);
            if (it == variables.end()) return std::nullopt;
            return it->second;
        };
        s.canWrite = [this](const std::string& folder) { return !readOnly.count(folder); };
        return s;
    }
    AppPaths Choose() const { return AppPaths::ForProgram(bin().string(), Surroundings()); }

    fs::path root;
    std::map<std::string, std::string> variables;
    std::set<std::string> readOnly;
};

TEST_F(LayoutTest, DataBesideAWritableProgramIsPortableWithOrWithoutSetupIni) {
    fs::create_directories(bin() / "data");
    for (bool withSetupIni : {false, true}) {
        if (withSetupIni) std::ofstream(bin() / "setup.ini") << "Zvuky=Ne\r\n";
        const AppPaths paths = Choose();
        const std::string folder = bin().string();
        EXPECT_EQ(paths.GetLayout(), Layout::Portable);
        EXPECT_EQ(paths.DataFolder(), folder + "/data");
        EXPECT_EQ(paths.CampaignFile(), folder + "/data/levels.all");
        EXPECT_EQ(paths.SoundLibraryFile(), folder + "/libtembra.so");
        EXPECT_EQ(paths.SettingsFile(), folder + "/setup.ini");
        EXPECT_EQ(paths.SettingsFileToWrite(), folder + "/setup.ini");
        EXPECT_EQ(paths.SavesFolder(), folder + "/data/saves");
        EXPECT_EQ(paths.WorkingLevelsFolder(), folder + "/data/levels");
        EXPECT_EQ(paths.CampaignFolders(), std::vector<std::string>{folder + "/data/campaigns"});
        EXPECT_EQ(paths.Places().campaigns, paths.CampaignFolders());
    }
}

TEST_F(LayoutTest, AProgramFolderNamedWithDotsAndSlashesGivesTheSamePrefix) {
    const AppPaths paths =
        AppPaths::ForProgram((root / "prefix/bin/../bin/").string(), Surroundings());
    EXPECT_EQ(paths.ProgramFolder(), bin().string());
    EXPECT_EQ(paths.DataFolder(), (root / "prefix/share/karvelun").string());
}

TEST_F(LayoutTest, WithoutDataBesideTheProgramTheInstalledLayoutUsesThePrefixAndXdgFolders) {
    variables["XDG_CONFIG_HOME"] = root / "cfg";
    variables["XDG_DATA_HOME"] = root / "dat";
    variables["XDG_STATE_HOME"] = root / "st";
    const AppPaths paths = Choose();
    EXPECT_EQ(paths.GetLayout(), Layout::Installed);
    EXPECT_EQ(paths.DataFolder(), (root / "prefix/share/karvelun").string());
    EXPECT_EQ(paths.CampaignFile(), (root / "prefix/share/karvelun/levels.all").string());
    EXPECT_EQ(paths.SoundLibraryFile(), (root / "prefix/lib/karvelun/libtembra.so").string());
    EXPECT_EQ(paths.FolderPath(Folder::Settings), (root / "cfg/karvelun").string());
    EXPECT_EQ(paths.SettingsFileToWrite(), (root / "cfg/karvelun/setup.ini").string());
    EXPECT_EQ(paths.SavesFolder(), (root / "dat/karvelun/saves").string());
    EXPECT_EQ(paths.WorkingLevelsFolder(), (root / "st/karvelun/levels").string());
    // The player's own packs come before the shared ones.
    EXPECT_EQ(paths.CampaignFolders(),
              (std::vector<std::string>{(root / "dat/karvelun/campaigns").string(),
                                        (root / "prefix/share/karvelun/campaigns").string()}));
    EXPECT_EQ(paths.Places().campaigns, paths.CampaignFolders());
}

TEST_F(LayoutTest, UnsetOrRelativeXdgVariablesFallBackToTheHomeFolder) {
    variables["XDG_DATA_HOME"] = "relative/share";
    variables["XDG_STATE_HOME"] = "";
    const AppPaths paths = Choose();
    EXPECT_EQ(paths.SettingsFileToWrite(), home() + "/.config/karvelun/setup.ini");
    EXPECT_EQ(paths.SavesFolder(), home() + "/.local/share/karvelun/saves");
    EXPECT_EQ(paths.WorkingLevelsFolder(), home() + "/.local/state/karvelun/levels");
}

TEST_F(LayoutTest, WithoutHomeOrVariablesThereIsNoPlayerFolderAndNeverTheRootFolder) {
    variables.erase("HOME");
    variables["XDG_DATA_HOME"] = root / "dat";
    for (const char* home : std::initializer_list<const char*>{"", "relative", nullptr}) {
        if (home) variables["HOME"] = home;
        const AppPaths paths = Choose();
        EXPECT_EQ(paths.SavesFolder(), (root / "dat/karvelun/saves").string());
        EXPECT_EQ(paths.WorkingLevelsFolder(), "");
        EXPECT_EQ(paths.FolderPath(Folder::Settings), "");
        EXPECT_EQ(paths.SettingsFileToWrite(), "");
        EXPECT_EQ(paths.FolderName(Folder::WorkingLevels), "$XDG_STATE_HOME/karvelun/levels");
        EXPECT_EQ(paths.FolderName(Folder::Saves), (root / "dat/karvelun/saves").string());
        // The game's lock refuses the missing folder instead of using "/".
        platform::OneCopyLock lock(paths.WorkingLevelsFolder());
        EXPECT_EQ(lock.Take(), platform::OneCopyLock::Outcome::Unusable);
    }
}

TEST_F(LayoutTest, AReadOnlyProgramFolderOrDataFolderIsInstalledButReadsTheDataBesideIt) {
    fs::create_directories(bin() / "data");
    std::ofstream(bin() / "libtembra.so") << "";
    for (const fs::path& locked : {bin(), bin() / "data"}) {
        readOnly = {locked.string()};
        const AppPaths paths = Choose();
        EXPECT_EQ(paths.GetLayout(), Layout::Installed);
        EXPECT_EQ(paths.DataFolder(), (bin() / "data").string());
        EXPECT_EQ(paths.SoundLibraryFile(), (bin() / "libtembra.so").string());
        EXPECT_EQ(paths.SavesFolder(), home() + "/.local/share/karvelun/saves");
    }
}

TEST_F(LayoutTest, InstalledSetupIniBesideTheProgramIsOnlyTheDefault) {
    std::ofstream(bin() / "setup.ini") << "Zvuky=Ne\r\n";
    const std::string own = home() + "/.config/karvelun/setup.ini";
    EXPECT_EQ(Choose().SettingsFile(), (bin() / "setup.ini").string());
    EXPECT_EQ(Choose().SettingsFileToWrite(), own);

    fs::create_directories(fs::path(own).parent_path());
    std::ofstream(own) << "Zvuky=Ano\r\n";
    EXPECT_EQ(Choose().SettingsFile(), own);
    EXPECT_EQ(Choose().SettingsFileToWrite(), own);
}

// The base folders as Qt's own lookup gives them, where the two rules meet.
TEST_F(LayoutTest, XdgBaseFoldersAgreeWithQtsStandardLocations) {
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    const QByteArray savedData = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", QByteArray::fromStdString(home()));
    const auto process = platform::Surroundings::OfThisProcess();
    for (bool set : {false, true}) {
        if (set) {
            qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((root / "cfg").string()));
            qputenv("XDG_DATA_HOME", QByteArray::fromStdString((root / "dat").string()));
        } else {
            qunsetenv("XDG_CONFIG_HOME");
            qunsetenv("XDG_DATA_HOME");
        }
        EXPECT_EQ(
            platform::XdgBaseFolder(process, "XDG_CONFIG_HOME", ".config"),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString());
        EXPECT_EQ(
            platform::XdgBaseFolder(process, "XDG_DATA_HOME", ".local/share"),
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString());
    }
    qputenv("HOME", savedHome);
    savedConfig.isNull() ? (void)qunsetenv("XDG_CONFIG_HOME")
                         : (void)qputenv("XDG_CONFIG_HOME", savedConfig);
    savedData.isNull() ? (void)qunsetenv("XDG_DATA_HOME")
                       : (void)qputenv("XDG_DATA_HOME", savedData);
}

TEST_F(LayoutTest, EveryFolderTheGameMakesIsThePlayersAlone) {
    const mode_t savedMask = ::umask(0);  // so that only the game's own mode counts
    const fs::path saves = root / "home/.local/share/karvelun/saves";
    const bool made = platform::MakePrivateFolder(saves.string());
    ::umask(savedMask);
    ASSERT_TRUE(made);
    for (fs::path step = saves; step != root / "home"; step = step.parent_path())
        EXPECT_EQ(fs::status(step).permissions() & fs::perms::all, fs::perms::owner_all) << step;

    EXPECT_FALSE(platform::MakePrivateFolder(""));
    EXPECT_FALSE(platform::MakePrivateFolder("relative/saves"));
    std::ofstream(root / "home/file") << "x";
    EXPECT_FALSE(platform::MakePrivateFolder((root / "home/file/saves").string()));
}

TEST_F(LayoutTest, AFolderCanBeMadeWhenItsNearestExistingParentCanBeWritten) {
    const auto s = Surroundings();  // reads readOnly as it stands at each call
    const std::string saves = home() + "/.local/share/karvelun/saves";
    EXPECT_TRUE(platform::CanMakeOrWrite(saves, s));
    EXPECT_FALSE(fs::exists(home() + "/.local")) << "CanMakeOrWrite makes nothing";
    EXPECT_FALSE(platform::CanMakeOrWrite("", s));
    EXPECT_FALSE(platform::CanMakeOrWrite("relative/saves", s));

    readOnly = {home()};
    EXPECT_FALSE(platform::CanMakeOrWrite(saves, s));
    fs::create_directories(saves);
    EXPECT_TRUE(platform::CanMakeOrWrite(saves, s)) << "the folder itself can be written";
    readOnly = {saves};
    EXPECT_FALSE(platform::CanMakeOrWrite(saves, s));
}

TEST_F(LayoutTest, ATemporaryRunReadsTheBaseButWritesOnlyItsOwnPrivateFolder) {
    variables["XDG_CONFIG_HOME"] = root / "cfg";
    const AppPaths base = Choose();
    std::string folder;
    {
        const AppPaths run = AppPaths::Temporary(base);
        const AppPaths other = AppPaths::Temporary(base);
        EXPECT_EQ(run.GetLayout(), Layout::Temporary);
        EXPECT_EQ(run.DataFolder(), base.DataFolder());
        EXPECT_EQ(run.SoundLibraryFile(), base.SoundLibraryFile());
        EXPECT_EQ(run.SettingsFile(), base.SettingsFile());
        EXPECT_EQ(run.SettingsFileToWrite(), "");

        folder = fs::path(run.SavesFolder()).parent_path().string();
        EXPECT_EQ(fs::path(run.WorkingLevelsFolder()).parent_path().string(), folder);
        EXPECT_NE(fs::path(other.SavesFolder()).parent_path().string(), folder);
        ASSERT_TRUE(fs::is_directory(folder));
        EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);

        // Its own lock: the player's own game is not kept out by it.
        platform::OneCopyLock mine(run.WorkingLevelsFolder());
        platform::OneCopyLock players(base.WorkingLevelsFolder());
        EXPECT_EQ(mine.Take(), platform::OneCopyLock::Outcome::Taken);
        EXPECT_EQ(players.Take(), platform::OneCopyLock::Outcome::Taken);
        std::ofstream(run.SavesFolder() + "/quick.lev") << "x";

        const AppPaths copy = run;  // the folder lives as long as any copy
        {
            const AppPaths gone = AppPaths::Temporary(base);
            folder = fs::path(gone.SavesFolder()).parent_path().string();
        }
        EXPECT_FALSE(fs::exists(folder));
        folder = fs::path(copy.SavesFolder()).parent_path().string();
    }
    EXPECT_FALSE(fs::exists(folder));
}

// The layout rule against the real file system, as an unprivileged user the
// folders really refuse (root writes anywhere).
class UnprivilegedLayoutTest : public LayoutTest {
  protected:
    static constexpr uid_t kNobody = 65534;

    // The layout the rule picks for the program folder in a child process
    // running as nobody; -1 when the child could not drop its privileges.
    int LayoutAsNobody() {
        pid_t pid = ::fork();
        if (pid == 0) {
            if (::setgroups(0, nullptr) != 0 || ::setresgid(kNobody, kNobody, kNobody) != 0 ||
                ::setresuid(kNobody, kNobody, kNobody) != 0)
                ::_exit(100);
            const AppPaths paths = AppPaths::ForProgram(bin().string());
            ::_exit(static_cast<int>(paths.GetLayout()));
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) == 100) return -1;
        return WEXITSTATUS(status);
    }
};

TEST_F(UnprivilegedLayoutTest, TheRealFileSystemDecidesBetweenPortableAndInstalled) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to run the rule as user 65534";
    fs::create_directories(bin() / "data");
    // Every step down to the program folder may be entered by nobody.
    for (fs::path step = bin(); step != root.parent_path(); step = step.parent_path())
        fs::permissions(step, fs::perms::others_read | fs::perms::others_exec,
                        fs::perm_options::add);
    fs::permissions(bin() / "data", fs::perms::all);
    if (LayoutAsNobody() < 0) GTEST_SKIP() << "cannot drop privileges here";

    EXPECT_EQ(LayoutAsNobody(), static_cast<int>(Layout::Installed)) << "the folder is root's";
    fs::permissions(bin(), fs::perms::all);
    EXPECT_EQ(LayoutAsNobody(), static_cast<int>(Layout::Portable)) << "both can be written";
    fs::permissions(bin() / "data", fs::perms::others_write, fs::perm_options::remove);
    EXPECT_EQ(LayoutAsNobody(), static_cast<int>(Layout::Installed)) << "data/ is root's";
    fs::permissions(bin() / "data", fs::perms::all);
    fs::remove(bin() / "data");
    EXPECT_EQ(LayoutAsNobody(), static_cast<int>(Layout::Installed)) << "no data/";
}

}  // namespace
