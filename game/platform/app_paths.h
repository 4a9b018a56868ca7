// Where the game's files live, chosen once at start, and the lock that lets
// only one copy of the game use them at a time.
//
// Today every file lies under the program's folder, as the portable dist
// folder ships it.
#pragma once

#include <memory>
#include <string>

class QLockFile;

namespace platform {

class AppPaths {
  public:
    // Everything beside the program: data/ and setup.ini in its folder.
    static AppPaths Portable(const std::string& programFolder);

    // The folder of the running program.
    const std::string& ProgramFolder() const { return programFolder_; }
    // The working copies of the running game's levels.
    std::string WorkingLevelsFolder() const;

  private:
    explicit AppPaths(std::string programFolder);

    std::string programFolder_;
};

// The one-copy lock: the file karvelun.lock in the working-level folder,
// held from start-up until the program ends.  Two copies on one folder would
// share the working levels, and the first to quit would delete the other's.
// A lock left by a copy that crashed is recognised by its dead process, or
// by naming no process at all (cut short while it was written), and taken
// over.
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

    // One attempt, no waiting; creates the folder when it is missing.
    Outcome Take();
    void Release();

    const std::string& Folder() const { return folder_; }

  private:
    std::string folder_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace platform
