// The mark of a run under way: written at start by the game's own run, once
// it holds the one-copy lock, and removed by its shut-down.  A mark found at
// the next start tells that the run before ended without its shut-down (a
// crash, a kill, a power cut); one that says "ended by the system" tells that
// a signal ended it after an autosave.  It lies beside the lock, in the
// working-level folder, whose clearing deletes level files only.  Try-outs,
// watched recordings and a copy turned away by the lock never touch it.
#pragma once

#include <string>

#include "game/platform/last_run_end.h"

namespace platform {

class RunMarker {
  public:
    // The mark's name in the working-level folder.
    static constexpr const char* kFileName = "karvelun.run";

    explicit RunMarker(const std::string& workingLevelsFolder);

    // Reads what the run before left and marks this one as under way (on
    // the disk before it returns).  A mark that cannot be written only costs
    // the question at the next start.
    LastRunEnd Begin();
    // A signal ends this run after its game was saved: the mark stays and
    // says so.
    void EndedBySystem();
    // A signal ends this run while its game could not be saved as it stood
    // (a load had failed): the mark of a run under way stays, and the next
    // start offers the last autosave, as after a crash.
    void EndedUnsaved();
    // A signal ends this run while it still asks whether to go on after
    // the run before (`last`, as Begin told it): the next start asks again.
    void EndedWhileAsking(LastRunEnd last);
    // The shut-down ran: the mark goes, unless one of the two above kept it.
    void EndedCleanly();

    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    bool kept_ = false;
};

}  // namespace platform
