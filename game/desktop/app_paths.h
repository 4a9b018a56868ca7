// Where the game's files live, chosen once at start, and the lock that lets
// only one copy of the game use them at a time.
//
// Portable: the program's folder holds data/ and can be written, as the dist
// folder ships it; settings, saves and working levels stay in it.
// Installed: anything else.  The read-only data comes from beside the program
// when it is there, else from <prefix>/share/karvelun (the prefix is the
// folder above the program's own); settings, saves and working levels live in
// the player's XDG folders.
// Temporary: a run that must not touch the player's files reads the data and
// settings of another layout and keeps its working levels, lock and saves in
// a private folder of its own, deleted when the run ends.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/platform/file_places.h"
#include "game/platform/shown_text.h"

class QLockFile;

namespace platform {

// What the layout rule looks at besides the program's folder.  Tests fill it
// by hand; the game takes the running process's.
struct Surroundings {
    // An environment variable, nothing when it is unset.
    std::function<std::optional<std::string>(const char* name)> variable;
    // Whether this process may create and delete files in an existing folder.
    std::function<bool(const std::string& folder)> canWrite;

    static Surroundings OfThisProcess();
};

class AppPaths {
  public:
    enum class Layout { Portable, Installed, Temporary };
    // The folders the game writes to.
    enum class Folder { Settings, Saves, WorkingLevels };

    // The layout rule: portable when data/ lies beside the program and both
    // can be written, installed otherwise.
    static AppPaths ForProgram(const std::string& programFolder,
                               const Surroundings& surroundings = Surroundings::OfThisProcess());
    // The same for the running program, known before any toolkit starts
    // (from /proc/self/exe; the working folder if that cannot be read).
    static AppPaths ForThisProgram();
    // Everything beside the program: data/ and setup.ini in its folder.
    static AppPaths Portable(const std::string& programFolder);
    static AppPaths Installed(const std::string& programFolder, const Surroundings& surroundings);
    // Data and settings read from base, never written; working levels, the
    // lock and saves in a fresh private folder (0700) that is deleted when
    // the last copy of the returned paths goes.  When no such folder can be
    // made the writable folders are empty and the lock reports Unusable.
    static AppPaths Temporary(const AppPaths& base);

    Layout GetLayout() const { return layout_; }
    // The folder of the running program.
    const std::string& ProgramFolder() const { return programFolder_; }

    // Read-only data: obr/, zvuky/, fonts/ and levels.all.
    const std::string& DataFolder() const { return dataFolder_; }
    std::string CampaignFile() const { return dataFolder_ + "/levels.all"; }
    // The Tiled tilesets of the game's pictures, for the level tool.
    std::string TilesetsFolder() const { return dataFolder_ + "/tiled"; }
    std::string FontFile() const { return dataFolder_ + "/fonts/DejaVuSans-Bold.ttf"; }
    // The sound library, loaded by this full path.
    const std::string& SoundLibraryFile() const { return soundLibraryFile_; }
    // The level tool, which lies beside the game (it converts a tried level).
    std::string LevelToolFile() const { return programFolder_ + "/karvelun-levels"; }
    // The folders that hold campaign packs, one folder per pack: data/campaigns
    // beside the program; installed, the player's own
    // $XDG_DATA_HOME/karvelun/campaigns before the shared one beside the data.
    const std::vector<std::string>& CampaignFolders() const { return campaignFolders_; }

    // The setup.ini the game and the settings tool read.
    const std::string& SettingsFile() const { return settingsFile_; }
    // Where the settings tool saves; empty when this layout never writes
    // settings.
    const std::string& SettingsFileToWrite() const { return settingsFileToWrite_; }

    // A writable folder; empty when the layout has none (no HOME and no XDG
    // variable, or a temporary folder that could not be made).
    const std::string& FolderPath(Folder folder) const;
    // The folder as the player is told about it: its path, or the variable it
    // would come from when there is none.
    std::string FolderName(Folder folder) const;

    const std::string& SavesFolder() const { return FolderPath(Folder::Saves); }
    const std::string& WorkingLevelsFolder() const { return FolderPath(Folder::WorkingLevels); }
    // The recordings of the games, beside the saves; empty without a save
    // folder (never one in the working directory).
    std::string ReplaysFolder() const;

    // Everything a run reads and writes, as the rules are given it.
    FilePlaces Places() const;

    // The pattern of a fresh private folder under the system's temporary
    // folder ($TMPDIR), for mkdtemp or QTemporaryDir, naming the process
    // that owns it: "<tmp>/karvelun-<kind>-<pid>-XXXXXX".
    static std::string TemporaryFolderPattern(const std::string& kind);
    // Removes from the system's temporary folder what runs that are gone
    // left of their private folders (see RemoveStaleTemporaryFolders).
    static void RemoveStaleTemporaryFolders();

  private:
    AppPaths() = default;

    Layout layout_ = Layout::Portable;
    std::string programFolder_;
    std::string dataFolder_;
    std::string soundLibraryFile_;
    std::string settingsFile_;
    std::string settingsFileToWrite_;
    std::string settingsFolder_, savesFolder_, workingLevelsFolder_;
    std::vector<std::string> campaignFolders_;
    std::shared_ptr<const void> temporaryFolder_;  // removes it with the last copy
};

// The XDG base folder a variable names: its value when that is an absolute
// path, else HOME followed by the default (".config", ".local/share",
// ".local/state"); empty when neither gives an absolute path.  Never "/".
std::string XdgBaseFolder(const Surroundings& surroundings, const char* variable,
                          const char* defaultUnderHome);

// Removes the folders in `parent` that a run killed before its end left of
// its private folders: only real folders (never what a link points to) of
// this user, named "karvelun-<kind>-<pid>-XXXXXX", whose process is gone.
// Folders of a live process, of another user or without a process in
// their name stay.  The number removed.
int RemoveStaleTemporaryFolders(const std::string& parent);

// MakePrivateFolder of private_folder.h, true when the folder then also can be
// written.
bool MakePrivateFolder(const std::string& folder, const Surroundings& surroundings);

// Whether the folder is there and can be written, or could be made: its
// nearest existing parent can be written.  Makes nothing.
bool CanMakeOrWrite(const std::string& folder, const Surroundings& surroundings);

// "Do složky <folder> nelze zapisovat." (UTF-8)
std::string CannotWriteText(const std::string& folderName);
// Its template, %1 the folder, for its translations.
inline constexpr const char* kCannotWriteTemplate =
    SHOWN_TEXT("Message", "Do složky %1 nelze zapisovat.");

// The one-copy lock: the file karvelun.lock in the working-level folder,
// held from start-up until the program ends.  Two copies on one folder would
// share the working levels, and the first to quit would delete the other's.
// Each layout has its own folder, so an installed game and a portable dist
// folder run side by side.  A lock left by a copy that crashed is recognised
// by its dead process, or by naming no process at all (cut short while it
// was written), and taken over.
class OneCopyLock {
  public:
    enum class Outcome {
        Taken,            // this copy may run
        AnotherCopyRuns,  // a live copy holds the folder
        Unusable,         // the folder or the lock file cannot be written
    };

    // The lock file's name in the working-level folder.
    static constexpr const char* kFileName = "karvelun.lock";

    explicit OneCopyLock(const std::string& workingLevelsFolder);
    ~OneCopyLock();  // releases a lock it holds
    OneCopyLock(const OneCopyLock&) = delete;
    OneCopyLock& operator=(const OneCopyLock&) = delete;

    // One attempt, no waiting; creates the folder (0700) when it is missing.
    Outcome Take();
    void Release();

    const std::string& Folder() const { return folder_; }

  private:
    std::string folder_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace platform
