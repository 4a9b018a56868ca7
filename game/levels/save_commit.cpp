#include "game/levels/save_commit.h"

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "game/core/terminal.h"
#include "game/levels/save_description.h"
#include "game/levels/save_folder.h"
#include "game/platform/durable_file.h"
#include "game/platform/file_io.h"
#include "game/platform/private_folder.h"
#include "game/platform/shown_text.h"

namespace game {
namespace {

constexpr const char* kDamagedRecordLine =
    SHOWN_TEXT("Terminal", "Odstraňuji poškozený záznam o ukládání %1");

constexpr std::string_view kRecordTitle = "karvelun save pair 1\n";
constexpr std::string_view kRecordEnd = "end\n";
// A record names two files; anything longer is not one.
constexpr size_t kLargestRecord = 64 * 1024;

// One file of the pair: its temporary name, the name it goes to, and where
// the old file of that name waits while the pair changes.
struct Member {
    // 'P' the package, 'H' the hero's position file, 'D' the description
    char role = 'P';
    std::string target;
    bool hadOld = false;

    std::string TemporaryPath() const {
        switch (role) {
            case 'P':
                return UnfinishedPackagePath();
            case 'H':
                return UnfinishedPositionPath();
        }
        return UnfinishedDescriptionPath();
    }
    std::string KeptPath() const {
        switch (role) {
            case 'P':
                return KeptPackagePath();
            case 'H':
                return KeptPositionPath();
        }
        return KeptDescriptionPath();
    }
    std::string TargetPath() const { return SavePath(target); }
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
bool SyncFolders(const std::vector<Member>& members, std::string* why = nullptr) {
    if (!SyncFolder(SavesFolder(), why)) return false;
    return !HasDescription(members) || SyncFolder(DescriptionsFolder(), why);
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
bool RunForward(const std::vector<Member>& members, std::string* why) {
    for (const Member& m : members)
        if (Exists(m.TemporaryPath()) && !RenameFile(m.TemporaryPath(), m.TargetPath(), why))
            return false;
    if (!SyncFolders(members, why)) return false;
    for (const Member& m : members)
        if (!RemoveFile(m.KeptPath(), why)) return false;
    if (!RemoveFile(CommitRecordPath(), why)) return false;
    SyncFolder(SavesFolder());
    return true;
}

// Under the rollback record: every kept copy goes back, a file that had no
// old one goes, and so do the new halves and the record.  Repeatable too.
bool RunBackward(const std::vector<Member>& members, std::string* why) {
    for (const Member& m : members) {
        if (Exists(m.KeptPath())) {
            if (!RenameFile(m.KeptPath(), m.TargetPath(), why)) return false;
        } else if (!m.hadOld && !Exists(m.TemporaryPath())) {
            // The new file was already in place where there was none before.
            if (!RemoveFile(m.TargetPath(), why)) return false;
        }
    }
    for (const Member& m : members)
        if (!RemoveFile(m.TemporaryPath(), why)) return false;
    if (!SyncFolders(members, why)) return false;
    if (!RemoveFile(RollbackRecordPath(), why)) return false;
    SyncFolder(SavesFolder());
    return true;
}

// Finishes the record left in the folder, if any.  False when one remains.
bool SettleRecord(std::string* why) {
    std::vector<Member> members;
    if (Exists(RollbackRecordPath())) {
        if (ParseRecord(RollbackRecordPath(), members)) return RunBackward(members, why);
        Tell(kDamagedRecordLine, {RollbackRecordPath()});
        return RemoveFile(RollbackRecordPath(), why) && !Exists(CommitRecordPath());
    }
    if (Exists(CommitRecordPath())) {
        if (ParseRecord(CommitRecordPath(), members)) return RunForward(members, why);
        Tell(kDamagedRecordLine, {CommitRecordPath()});
        return RemoveFile(CommitRecordPath(), why);
    }
    return true;
}

void RemoveLeftovers() {
    for (const std::string& path :
         {UnfinishedPackagePath(), UnfinishedPositionPath(), UnfinishedDescriptionPath(),
          KeptPackagePath(), KeptPositionPath(), KeptDescriptionPath()})
        RemoveFile(path);
    // Temporary files of a record that was being written.
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(SavesFolder(), ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.rfind(".tmp-write-", 0) == 0) RemoveFile(it->path().string());
    }
}

void RemoveHalves() {
    RemoveFile(UnfinishedPackagePath());
    RemoveFile(UnfinishedPositionPath());
    RemoveFile(UnfinishedDescriptionPath());
}

// A failure after the record: back to the old pair if the record can say
// so, else on to the new one.
PairCommit RecoverLiveFailure(const std::vector<Member>& members) {
    if (RenameFile(CommitRecordPath(), RollbackRecordPath())) {
        std::string why;
        if (RunBackward(members, &why)) return PairCommit::kOldKept;
        Tell(SHOWN_TEXT("Terminal", "Předchozí uložená hra se vrátí při příštím spuštění: %1"),
             {why});
        return PairCommit::kUnsettled;
    }
    std::string why;
    if (RunForward(members, &why)) return PairCommit::kSaved;
    Tell(SHOWN_TEXT("Terminal", "Nová uložená hra se dokončí při příštím spuštění: %1"), {why});
    return PairCommit::kUnsettled;
}

}  // namespace

std::string CommitRecordPath() {
    return SavePath("save-commit");
}

std::string RollbackRecordPath() {
    return SavePath("save-rollback");
}

std::string KeptPackagePath() {
    return SavePath("previous-save.pkg");
}

std::string KeptPositionPath() {
    return SavePath("previous-save.hero");
}

std::string KeptDescriptionPath() {
    return SavePath("previous-save.about");
}

PairCommit CommitSavePair(const std::string& packageFile, const std::string& positionFile,
                          std::string* why) {
    return CommitSavePair(packageFile, positionFile, std::string(), why);
}

PairCommit CommitSavePair(const std::string& packageFile, const std::string& positionFile,
                          const std::string& descriptionFile, std::string* why) {
    // A record of an earlier save must be settled before this one writes its
    // own; the kept names must be free.
    if (!SettleRecord(why) || !RemoveFile(KeptPackagePath(), why) ||
        !RemoveFile(KeptPositionPath(), why) || !RemoveFile(KeptDescriptionPath(), why)) {
        RemoveHalves();
        return PairCommit::kOldKept;
    }
    std::vector<Member> members;
    if (!packageFile.empty()) members.push_back({'P', packageFile});
    members.push_back({'H', positionFile});
    if (!descriptionFile.empty()) {
        if (!IsDescriptionTarget(descriptionFile) ||
            !platform::MakePrivateFolder(DescriptionsFolder())) {
            if (why) *why = "no folder for the save's description " + DescriptionsFolder();
            RemoveHalves();
            return PairCommit::kOldKept;
        }
        members.push_back({'D', descriptionFile});
    }
    for (Member& m : members) {
        if (IsFolder(m.TargetPath())) {
            if (why) *why = m.TargetPath() + " is a folder";
            RemoveHalves();
            return PairCommit::kOldKept;
        }
        m.hadOld = Exists(m.TargetPath());
    }

    if (!ReplaceFile(CommitRecordPath(), FormatRecord(members), Durability::kFlushed, why)) {
        // Only a record that is surely gone leaves the old pair the save.
        if (!Exists(CommitRecordPath()) || RemoveFile(CommitRecordPath())) {
            RemoveHalves();
            return PairCommit::kOldKept;
        }
    }

    bool placed = true;
    for (const Member& m : members)
        if (placed && m.hadOld) placed = RenameFile(m.TargetPath(), m.KeptPath(), why);
    for (const Member& m : members)
        if (placed) placed = RenameFile(m.TemporaryPath(), m.TargetPath(), why);
    if (placed) placed = SyncFolders(members, why);
    if (!placed) return RecoverLiveFailure(members);

    // The new pair is in place; what is left is tidying that the next start
    // repeats if it is cut short.
    std::string tidy;
    if (!RunForward(members, &tidy))
        Tell(SHOWN_TEXT("Terminal",
                        "Záložní kopie uložené hry se odstraní při příštím spuštění: %1"),
             {tidy});
    return PairCommit::kSaved;
}

void SettleInterruptedSave() {
    std::error_code ec;
    if (!std::filesystem::is_directory(SavesFolder(), ec)) return;
    std::string why;
    if (!SettleRecord(&why)) {
        Tell(SHOWN_TEXT("Terminal", "Přerušené ukládání se nepodařilo dokončit ani vrátit: %1"),
             {why});
        return;
    }
    RemoveLeftovers();
}

}  // namespace game
