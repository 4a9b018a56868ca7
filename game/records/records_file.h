// The player's records file (personal_bests.h), kept beside his saves and
// recordings, written whole or not at all.  Text, UTF-8, one record a line:
//
//   karvelun records 1
//   campaign <folder> <name>
//   best <campaign> <hash> <n|e> <scope> fastest|deaths <value> <frames> <run> <when> <recordings>
//   achievement <id> <when> <run> <recordings>
//   run <the run's tries as statistics text (run_statistics_text.h)>
//
// Fields are separated by one blank; a field's blanks, '%' and control
// characters are written %XX, an empty field "-"; a run is 16 hexadecimal
// digits, recordings their time stamps joined by commas.  A reader skips
// lines of a kind it does not know (a later version's).  A file that does
// not read is set aside under another name, never deleted, and the records
// start empty.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game/records/personal_bests.h"

namespace game {

inline constexpr const char* kRecordsFileName = "records.txt";
// A records file is a few thousand lines at most; anything far larger is
// not one.
inline constexpr size_t kLargestRecordsFile = 4u << 20;

std::string FormatPlayerRecords(const PlayerRecords& records);
// Nothing for a text that is not a whole records file.
std::optional<PlayerRecords> ParsePlayerRecords(std::string_view text);

struct RecordsFileRead {
    enum class State {
        kMissing,   // no file yet: the records start empty
        kRead,      //
        kSetAside,  // it did not read and now lies under setAsideAs
        kStuck,     // it did not read and could not be set aside: it must not be written over
    };
    State state = State::kMissing;
    PlayerRecords records;
    std::string setAsideAs;
    std::string why;
};

RecordsFileRead ReadRecordsFile(const std::string& path);
// False, with the reason in *why, when the file could not be written; the
// old one then stays as it was.
bool WriteRecordsFile(const std::string& path, const PlayerRecords& records, std::string* why);

}  // namespace game
