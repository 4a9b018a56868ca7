#include "game/levels/save_commit.h"

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "game/levels/save_description.h"
#include "game/levels/save_folder.h"
#include "game/levels/save_folder_writer.h"
#include "game/platform/durable_file.h"
#include "game/platform/file_io.h"
#include "game/platform/private_folder.h"

namespace game {
namespace {

constexpr std::string_view kRecordTitle = "karvelun save pair 1\n";
constexpr std::string_view kRecordEnd = "end\n";
// A record names two files; anything longer is not one.
constexpr size_t kLargestRecord = 64 * 1024;

constexpr const char* kCommitRecordName = "save-commit";
constexpr const char* kRollbackRecordName = "save-rollback";
constexpr const char* kKeptPackageName = "previous-save.pkg";
constexpr const char* kKeptPositionName = "previous-save.hero";
constexpr const char* kKeptDescriptionName = "previous-save.about";

std::string CommitRecordIn(const std::string& folder) {
    return PathInFolder(folder, kCommitRecordName);
}

std::string RollbackRecordIn(const std::string& folder) {
    return PathInFolder(folder, kRollbackRecordName);
}

std::string DescriptionsFolderIn(const std::string& folder) {
    return PathInFolder(folder, kDescriptionsFolderName);
}

// One file of the pair: its temporary name, the name it goes to, and where
// the old file of that name waits while the pair changes.
struct Member {
    // 'P' the package, 'H' the hero's position file, 'D' the description
    char role = 'P';
    std::string target;
    bool hadOld = false;

    std::string TemporaryPath(const std::string& folder) const {
        switch (role) {
            case 'P':
                return PathInFolder(folder, kUnfinishedPackageName);
            case 'H':
                return PathInFolder(folder, kUnfinishedPositionName);
        }
        return PathInFolder(folder, kUnfinishedDescriptionName);
    }
    std::string KeptPath(const std::string& folder) const {
        switch (role) {
            case 'P':
                return PathInFolder(folder, kKeptPackageName);
            case 'H':
                return PathInFolder(folder, kKeptPositionName);
        }
        return PathInFolder(folder, kKeptDescriptionName);
    }
    std::string TargetPath(const std::string& folder) const { return PathInFolder(folder, target); }
};

// A description lives in the descriptions folder, under a plain name.
bool IsDescriptionTarget(const std::string& target) {
    const std::string folder = std::string(kDescriptionsFolderName) + "/";
    return target.compare(0, folder.size(), folder) == 0 &&
           IsSafeSaveFileName(target.substr(folder.size()));
}

bool IsSafeTarget(char role, const std::string& target) {
    return role == 'D' ? IsDescriptionTarget(target) : IsSafeSaveFileName(target);
}

bool HasDescription(const std::vector<Member>& members) {
    for (const Member& m : members)
        if (m.role == 'D') return true;
    return false;
}

// The folders whose entries a commit changes.
bool SyncFolders(const std::string& folder, const std::vector<Member>& members,
                 std::string* why = nullptr) {
    if (!SyncFolder(folder, why)) return false;
    return !HasDescription(members) || SyncFolder(DescriptionsFolderIn(folder), why);
}

bool Exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<uint8_t> FormatRecord(const std::vector<Member>& members) {
    std::string text(kRecordTitle);
    for (const Member& m : members)
        text += std::string(1, m.role) + " " + (m.hadOld ? "1" : "0") + " " +
                std::to_string(m.target.size()) + "\n" + m.target + "\n";
    text += kRecordEnd;
    return {text.begin(), text.end()};
}

// Reads a record; false for anything that is not a whole record.
bool ParseRecord(const std::string& path, std::vector<Member>& members) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes, kLargestRecord)) return false;
    const std::string text(bytes.begin(), bytes.end());
    if (text.compare(0, kRecordTitle.size(), kRecordTitle) != 0) return false;
    size_t at = kRecordTitle.size();
    members.clear();
    while (text.compare(at, std::string::npos, kRecordEnd) != 0) {
        if (members.size() == 3 || at + 6 > text.size()) return false;
        Member m;
        m.role = text[at];
        if ((m.role != 'P' && m.role != 'H' && m.role != 'D') || text[at + 1] != ' ' ||
            text[at + 3] != ' ')
            return false;
        if (text[at + 2] != '0' && text[at + 2] != '1') return false;
        m.hadOld = text[at + 2] == '1';
        at += 4;
        const size_t newline = text.find('\n', at);
        if (newline == std::string::npos || newline == at || newline - at > 6) return false;
        size_t length = 0;
        for (size_t i = at; i < newline; ++i) {
            if (text[i] < '0' || text[i] > '9') return false;
            length = length * 10 + static_cast<size_t>(text[i] - '0');
        }
        at = newline + 1;
        if (at + length + 1 > text.size() || text[at + length] != '\n') return false;
        m.target = text.substr(at, length);
        at += length + 1;
        if (!IsSafeTarget(m.role, m.target)) return false;
        for (const Member& other : members)
            if (other.role == m.role) return false;
        members.push_back(std::move(m));
    }
    return !members.empty();
}

// From the commit record on, the new pair is the save: every new file goes
// into place, then the kept copies and the record go.  Repeatable after any
// interruption.
bool RunForward(const std::string& folder, const std::vector<Member>& members, std::string* why) {
    for (const Member& m : members)
        if (Exists(m.TemporaryPath(folder)) &&
            !RenameFile(m.TemporaryPath(folder), m.TargetPath(folder), why))
            return false;
    if (!SyncFolders(folder, members, why)) return false;
    for (const Member& m : members)
        if (!RemoveFile(m.KeptPath(folder), why)) return false;
    if (!RemoveFile(CommitRecordIn(folder), why)) return false;
    SyncFolder(folder);
    return true;
}

// Under the rollback record: every kept copy goes back, a file that had no
// old one goes, and so do the new halves and the record.  Repeatable too.
bool RunBackward(const std::string& folder, const std::vector<Member>& members, std::string* why) {
    for (const Member& m : members) {
        if (Exists(m.KeptPath(folder))) {
            if (!RenameFile(m.KeptPath(folder), m.TargetPath(folder), why)) return false;
        } else if (!m.hadOld && !Exists(m.TemporaryPath(folder))) {
            // The new file was already in place where there was none before.
            if (!RemoveFile(m.TargetPath(folder), why)) return false;
        }
    }
    for (const Member& m : members)
        if (!RemoveFile(m.TemporaryPath(folder), why)) return false;
    if (!SyncFolders(folder, members, why)) return false;
    if (!RemoveFile(RollbackRecordIn(folder), why)) return false;
    SyncFolder(folder);
    return true;
}

// Finishes the record left in the folder, if any.  False when one remains.
bool SettleRecord(const std::string& folder, std::string* why) {
    const std::string rollback = RollbackRecordIn(folder), commit = CommitRecordIn(folder);
    std::vector<Member> members;
    if (Exists(rollback)) {
        if (ParseRecord(rollback, members)) return RunBackward(folder, members, why);
        std::fprintf(stderr, "karvelun: removing the damaged save record %s\n", rollback.c_str());
        return RemoveFile(rollback, why) && !Exists(commit);
    }
    if (Exists(commit)) {
        if (ParseRecord(commit, members)) return RunForward(folder, members, why);
        std::fprintf(stderr, "karvelun: removing the damaged save record %s\n", commit.c_str());
        return RemoveFile(commit, why);
    }
    return true;
}

// Once no record is left: the halves and kept copies of no save.
void RemoveLeftovers(const std::string& folder) {
    for (const char* name :
         {kUnfinishedPackageName, kUnfinishedPositionName, kUnfinishedDescriptionName,
          kKeptPackageName, kKeptPositionName, kKeptDescriptionName})
        RemoveFile(PathInFolder(folder, name));
    // Temporary files of a record that was being written.
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(folder, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.rfind(".tmp-write-", 0) == 0) RemoveFile(it->path().string());
    }
}

void RemoveHalves(const std::string& folder) {
    RemoveUnfinishedSaveIn(folder);
}

// A failure after the record: back to the old pair if the record can say
// so, else on to the new one.
PairCommit RecoverLiveFailure(const std::string& folder, const std::vector<Member>& members) {
    if (RenameFile(CommitRecordIn(folder), RollbackRecordIn(folder))) {
        std::string why;
        if (RunBackward(folder, members, &why)) return PairCommit::kOldKept;
        std::fprintf(stderr, "karvelun: the old save is put back at the next start: %s\n",
                     why.c_str());
        return PairCommit::kUnsettled;
    }
    std::string why;
    if (RunForward(folder, members, &why)) return PairCommit::kSaved;
    std::fprintf(stderr, "karvelun: the new save is put in place at the next start: %s\n",
                 why.c_str());
    return PairCommit::kUnsettled;
}

}  // namespace

std::string CommitRecordPath() {
    return CommitRecordIn(SavesFolder());
}

std::string RollbackRecordPath() {
    return RollbackRecordIn(SavesFolder());
}

std::string KeptPackagePath() {
    return SavePath(kKeptPackageName);
}

std::string KeptPositionPath() {
    return SavePath(kKeptPositionName);
}

std::string KeptDescriptionPath() {
    return SavePath(kKeptDescriptionName);
}

PairCommit CommitSavePair(const std::string& packageFile, const std::string& positionFile,
                          std::string* why) {
    return CommitSavePair(packageFile, positionFile, std::string(), why);
}

PairCommit CommitSavePair(const std::string& packageFile, const std::string& positionFile,
                          const std::string& descriptionFile, std::string* why) {
    WaitForSaveFolder();
    return CommitSavePairIn(SavesFolder(), packageFile, positionFile, descriptionFile, why);
}

PairCommit CommitSavePairIn(const std::string& folder, const std::string& packageFile,
                            const std::string& positionFile, const std::string& descriptionFile,
                            std::string* why) {
    // A record of an earlier save must be settled before this one writes its
    // own; the kept names must be free.
    if (!SettleRecord(folder, why) || !RemoveFile(PathInFolder(folder, kKeptPackageName), why) ||
        !RemoveFile(PathInFolder(folder, kKeptPositionName), why) ||
        !RemoveFile(PathInFolder(folder, kKeptDescriptionName), why)) {
        RemoveHalves(folder);
        return PairCommit::kOldKept;
    }
    std::vector<Member> members;
    if (!packageFile.empty()) members.push_back({'P', packageFile});
    members.push_back({'H', positionFile});
    if (!descriptionFile.empty()) {
        if (!IsDescriptionTarget(descriptionFile) ||
            !platform::MakePrivateFolder(DescriptionsFolderIn(folder))) {
            if (why) *why = "no folder for the save's description " + DescriptionsFolderIn(folder);
            RemoveHalves(folder);
            return PairCommit::kOldKept;
        }
        members.push_back({'D', descriptionFile});
    }
    for (Member& m : members) {
        if (IsFolder(m.TargetPath(folder))) {
            if (why) *why = m.TargetPath(folder) + " is a folder";
            RemoveHalves(folder);
            return PairCommit::kOldKept;
        }
        m.hadOld = Exists(m.TargetPath(folder));
    }

    const std::string record = CommitRecordIn(folder);
    if (!ReplaceFile(record, FormatRecord(members), Durability::kFlushed, why)) {
        // Only a record that is surely gone leaves the old pair the save.
        if (!Exists(record) || RemoveFile(record)) {
            RemoveHalves(folder);
            return PairCommit::kOldKept;
        }
    }

    bool placed = true;
    for (const Member& m : members)
        if (placed && m.hadOld) placed = RenameFile(m.TargetPath(folder), m.KeptPath(folder), why);
    for (const Member& m : members)
        if (placed) placed = RenameFile(m.TemporaryPath(folder), m.TargetPath(folder), why);
    if (placed) placed = SyncFolders(folder, members, why);
    if (!placed) return RecoverLiveFailure(folder, members);

    // The new pair is in place; what is left is tidying that the next start
    // repeats if it is cut short.
    std::string tidy;
    if (!RunForward(folder, members, &tidy))
        std::fprintf(stderr, "karvelun: the save's kept copies go at the next start: %s\n",
                     tidy.c_str());
    return PairCommit::kSaved;
}

bool SaveRecordPendingIn(const std::string& folder) {
    return Exists(CommitRecordIn(folder)) || Exists(RollbackRecordIn(folder));
}

bool SettlePendingCommit(std::string* why) {
    WaitForSaveFolder();
    return SettlePendingCommitIn(SavesFolder(), why);
}

bool SettlePendingCommitIn(const std::string& folder, std::string* why) {
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec)) return true;
    if (SettleRecord(folder, why)) return true;
    std::fprintf(stderr, "karvelun: an interrupted save could not be settled: %s\n",
                 why && !why->empty() ? why->c_str() : "?");
    return false;
}

bool SettleInterruptedSave() {
    WaitForSaveFolder();
    const std::string folder = SavesFolder();
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec)) return true;
    std::string why;
    if (!SettlePendingCommitIn(folder, &why)) return false;
    RemoveLeftovers(folder);
    return true;
}

}  // namespace game
