// The save folder data/saves, and how a pair of save files reaches it
// safely: both files are written completely under temporary names first and
// only then put into place together (save_commit.h).  The temporary names
// contain no "lev", so the save lists never show them.
#pragma once

#include <string>

#include "game/platform/shown_text.h"

namespace game {

std::string SavesFolder();
// A file of the save folder.
std::string SavePath(const std::string& fileName);
// A file of the save folder named outright: for the writer that saves in the
// background, which must not read the game's places.  Empty without a
// folder, rather than a file in the root folder.
std::string PathInFolder(const std::string& folder, const std::string& fileName);
// The fresh campaign being played: data/levels.all, or a pack's
// (current_campaign.h).
std::string CampaignPackagePath();

// A name that stays inside the save folder: not empty, not "." or "..",
// without "/" and without a NUL character.
bool IsSafeSaveFileName(const std::string& fileName);

// The name with its ASCII letters upper-cased: the save folder's names
// are compared without regard to case.
std::string UpperAscii(std::string text);

// True when the name, upper-cased, contains "QUICK" (or equals "QUICK.POS").
bool MentionsQuick(const std::string& fileName);
bool IsQuickPositionName(const std::string& fileName);

bool MakeSavesFolder();

// True when both files of the save <saveName> are in the save folder.
bool SavePairExists(const std::string& saveName);

// The save name of one of its files: without ".lev" or ".pos".
std::string SaveNameOf(const std::string& fileName);

// Where a save's package and position file are written before they are
// renamed into place.  Leftovers of an interrupted save are removed by the
// next start, save or load.
inline constexpr const char* kUnfinishedPackageName = "unfinished-save.pkg";
inline constexpr const char* kUnfinishedPositionName = "unfinished-save.hero";
std::string UnfinishedPackagePath();
std::string UnfinishedPositionPath();
// Removes the halves (the description's too), once the save folder is free
// of a save being written in the background (save_folder_writer.h).  Halves
// of a commit record left in the folder stay: they are that save's.
void RemoveUnfinishedSave();
// The same in a folder named outright, with no waiting.
void RemoveUnfinishedSaveIn(const std::string& folder);

// Log lines of a save that did not happen.
inline constexpr const char* kSaveFailedLine = SHOWN_TEXT("Rules", "Hru se nepodařilo uložit...");
inline constexpr const char* kSaveFailedKeptLine =
    SHOWN_TEXT("Rules", "Hru se nepodařilo uložit, předchozí uložená hra zůstala beze změny...");
inline constexpr const char* kSaveRefusedLine =
    SHOWN_TEXT("Rules", "Hru nelze uložit, hrdina je mrtvý...");

// What the log says when a save under saveName did not happen: that the
// previous save stayed as it was, when there is one of that name.
const char* SaveFailedLine(const std::string& saveName);

}  // namespace game
