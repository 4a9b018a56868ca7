// Putting a save's two files into place as one: a save is never seen with a
// new package and an old position file, or the other way round, whatever
// the moment a crash, a kill or a failing disk stops it.
//
// The halves are written completely under temporary names first.  Then a
// small commit record names the save; from the moment it is on the disk the
// new pair counts as saved.  The old files are moved aside to kept copies,
// the new ones renamed into place, and the kept copies and the record
// removed.  A save that fails on the way renames the record into a rollback
// record and puts the kept copies back.  The next save, load or start
// finishes whichever record it finds: forward for the commit record, back
// for the rollback record.  Without a record, leftovers of an unfinished
// save are simply removed.
//
// None of these names contains "lev" in any letter case, so the save lists
// never show them.  A save's description goes into place with its pair.
//
// The unfinished halves are shared by every save, so whatever writes them
// first settles a record left in the folder: a record run forward later
// would otherwise put this save's halves under that save's name.  The calls
// without a folder wait until the save folder is free of a background write
// (save_folder_writer.h); those with one are the background writer's.
#pragma once

#include <string>

namespace game {

// The files of a save in the save folder, by their role.
std::string CommitRecordPath();
std::string RollbackRecordPath();
std::string KeptPackagePath();
std::string KeptPositionPath();
std::string KeptDescriptionPath();

enum class PairCommit {
    kSaved,      // the new pair is in place
    kOldKept,    // nothing of the save folder changed: the old pair, if any, stays
    kUnsettled,  // the save did not happen; the folder is put right by the next start
};

// Puts the complete halves under UnfinishedPackagePath() (unless
// packageFile is empty) and UnfinishedPositionPath() into place as the save
// folder's files packageFile and positionFile.  *why tells the first
// failure.
PairCommit CommitSavePair(const std::string& packageFile, const std::string& positionFile,
                          std::string* why);
// The same with the save's description (save_description.h), complete under
// UnfinishedDescriptionPath(), going to descriptionFile ("about/<...>.desc")
// in the same commit.
PairCommit CommitSavePair(const std::string& packageFile, const std::string& positionFile,
                          const std::string& descriptionFile, std::string* why);
// The same in a save folder named outright, with no waiting.
PairCommit CommitSavePairIn(const std::string& folder, const std::string& packageFile,
                            const std::string& positionFile, const std::string& descriptionFile,
                            std::string* why);

// Finishes or rolls back the record of a save that a crash or a failure
// interrupted, leaving the unfinished halves of no record alone: what a save
// does before it writes its own.  False, with *why, when a record remains:
// the save must not write then.
bool SettlePendingCommit(std::string* why);
bool SettlePendingCommitIn(const std::string& folder, std::string* why);
// A commit or rollback record lies in the folder: the unfinished halves are
// its own, and nothing but its settling may remove them.
bool SaveRecordPendingIn(const std::string& folder);

// The same, then the leftovers of unfinished saves removed: what the start
// and the loads do.  Harmless when there are none; false when a record
// remains.
bool SettleInterruptedSave();

}  // namespace game
