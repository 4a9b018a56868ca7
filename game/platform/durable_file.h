// Files written so that a crash, a full disk or a failing device never
// leaves a half-written file under a name the game or the settings tool
// reads: the bytes go to a temporary file in the same folder, every write is
// checked (short writes included), the file is flushed to the disk, renamed
// over the old one, and the folder is flushed so that the rename survives a
// power cut.  Writing never follows a symbolic link: a link under the
// target's name is replaced, not written through.
//
// Plain C++ with no Qt and no game state, so the settings tool and the level
// tool use it too.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace game {

// The steps of a file operation, as the fault seam sees them.
enum class FileStep {
    kCreate,      // opening a new file for writing
    kWrite,       // one write() call
    kSyncFile,    // fsync of a written file
    kClose,       // closing a written file
    kRename,      // renaming into place
    kSyncFolder,  // fsync of the folder after a rename or removal
    kRemove,      // deleting a file
    kTruncate,    // cutting a rewritten file to its new length
};

const char* FileStepName(FileStep step);

// Whether the data must be on the disk before the call returns.  Working
// copies that die with the run need no flush; saves and settings do.
enum class Durability { kFlushed, kUnflushed };

// Writes a whole new file at path, replacing whatever entry had that name
// (a link is replaced, never followed).  On failure nothing is left under
// path's temporary name and the old file is untouched; *why (when given)
// tells which step failed and the system's reason.
bool ReplaceFile(const std::string& path, const std::vector<uint8_t>& bytes, Durability durability,
                 std::string* why = nullptr);

// Writes the bytes into a file created anew under exactly this name (an old
// entry of the name, a link included, is removed first, never followed).  On
// failure the partial file is removed.  Used for files whose name itself is
// temporary, such as the halves of a save before they go into place.
bool WriteNewFile(const std::string& path, const std::vector<uint8_t>& bytes, Durability durability,
                  std::string* why = nullptr);

// Rewrites an existing regular file in place, for a file whose folder does
// not let us create the temporary file: the new bytes over the old from the
// start, flushed, then the file cut to the new length.  A link is not
// followed.  A failure can leave the file mixed; callers use it only when
// the safe replacement is impossible.
bool RewriteInPlace(const std::string& path, const std::vector<uint8_t>& bytes,
                    std::string* why = nullptr);

// The single steps, checked and open to the fault seam.
bool RenameFile(const std::string& from, const std::string& to, std::string* why = nullptr);
// True when the file is gone afterwards (a missing file is no failure).
bool RemoveFile(const std::string& path, std::string* why = nullptr);
bool SyncFolder(const std::string& folder, std::string* why = nullptr);

// The folder part of a path ("." for a bare name).
std::string FolderOf(const std::string& path);

// Test seam: called before every step with the file it concerns.  It returns
// 0 to let the step run, an errno value to make the step fail with it, or,
// for kWrite, kShortWrite to let the write store only part of its bytes.
inline constexpr int kShortWrite = -1;
using FileFaultHook = std::function<int(FileStep step, const std::string& path)>;
void SetFileFaultHook(FileFaultHook hook);

}  // namespace game
