// Which names the save dialog takes for a save.  A refused name does
// nothing: the dialog stays open, without a message, for the player to edit.
#pragma once

#include <cstddef>
#include <string>

namespace game {

enum class SaveNameVerdict {
    kAccepted,
    kEmpty,
    // "quick" in any letter case: the quick save is F5's alone.
    kMentionsQuick,
    // An autosave's name ("auto-" and a number) in any letter case: the
    // autosaves are the game's alone.
    kAutosaveName,
    // One of . , : ; " ' & # $ ? *
    kReservedCharacter,
    // "/" or "\": the name would leave the save folder.
    kPathSeparator,
    // Control characters (line breaks, tabs, NUL...) have no place in a file name.
    kControlCharacter,
    // A name of full stops only ("." and ".." are folders, not saves).
    kOnlyFullStops,
    kTooLong,
    // A character the save files' code page cannot hold: the file's header
    // would never match its name, so the save could never be loaded.
    kNotInCodePage,
};

// The autosaves' names: three of "auto-1", "auto-2", ... -- the first three
// unless a player's own save of such a name keeps one (autosave_slots.h).
// The game's alone.
inline constexpr int kAutosaveCount = 3;
std::string AutosaveName(int slot);  // slot 1 and up
// True for "auto-" and digits, in any letter case.
bool IsAutosaveName(const std::string& name);
// n for "auto-<n>" exactly as AutosaveName writes it; 0 for any other name.
int AutosaveSlotOf(const std::string& name);

// Longest name taken, in characters.
inline constexpr std::size_t kMaxSaveNameLength = 100;

// The verdict on a typed name (UTF-8).
SaveNameVerdict JudgeSaveName(const std::string& name);

inline bool SaveNameRefused(const std::string& name) {
    return JudgeSaveName(name) != SaveNameVerdict::kAccepted;
}

// The name the save dialog offers before the player types: the level and
// the time of day, "12 patro 14-03".  Always a name JudgeSaveName accepts,
// never the quick save's nor an autosave's; hours and minutes out of range are brought in.
std::string ProposedSaveName(int level, int hour, int minute);

}  // namespace game
