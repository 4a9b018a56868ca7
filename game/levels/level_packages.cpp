#include "game/levels/level_packages.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "game/core/arrivals.h"
#include "game/core/game_state.h"
#include "game/core/messages.h"
#include "game/core/sound_cues.h"
#include "game/core/windows.h"
#include "game/levels/keyed_string.h"
#include "game/levels/level_files.h"
#include "game/levels/level_record.h"
#include "game/levels/load_failure.h"
#include "game/levels/package_record.h"
#include "game/levels/save_commit.h"
#include "game/levels/save_folder.h"
#include "game/levels/working_levels.h"
#include "game/platform/codepage.h"
#include "game/platform/durable_file.h"
#include "game/platform/file_io.h"

namespace game {
namespace {

void ShowProgressWindow() {
    Windows().ShowProgress();
    Windows().SetBusyCursor(true);
}

void HideProgressWindow() {
    Windows().HideProgress();
    Windows().SetBusyCursor(false);
}

void AdvanceAfterLevel(int32_t i, int32_t step) {
    if (i % step == 0) Windows().AdvanceProgress(1);
}

void TellNotSaved(const std::string& name, const std::string& why) {
    std::fprintf(stderr, "karvelun: the game was not saved: %s\n", why.c_str());
    AddLogLine(SaveFailedLine(SaveNameOf(name)));
}

bool PackageSaveFailed(const std::string& name, const std::string& why) {
    RemoveUnfinishedSave();
    TellNotSaved(name, why);
    return false;
}

// A save of a working folder that does not hold the whole game would pass
// for one and lose the rest for good; it is refused before the save folder
// is touched.
bool WorkingGameComplete(const std::string& name) {
    std::string why;
    if (UnpackedLevelCount <= 0)
        why = "no game was unpacked into the working folder";
    else if (!WorkingLevelsComplete(UnpackedLevelCount, &why))
        why = "the working folder does not hold the whole game: " + why;
    else
        return true;
    TellNotSaved(name, why);
    return false;
}

// Every record of the package must read before the working folder is
// touched: a damaged package then changes nothing on the disk.
bool CheckLevelRecords(ByteReader in, int32_t count, std::string& why) {
    LevelRecord scratch;
    for (int32_t i = 0; i < count; ++i) {
        std::string reason;
        if (!ReadLevelRecord(in, i, scratch, &reason)) {
            why = "level record " + std::to_string(i) + ": " + reason;
            return false;
        }
    }
    return true;
}

}  // namespace

int32_t ProgressStep(int32_t levelCount) {
    return levelCount > 37 ? (levelCount + 36) / 37 : 1;
}

void WritePackedLevel(ByteWriter& package, int32_t i) {
    WriteLevelRecord(package, i, CurrentLevelRecord());
}

bool ReadPackedLevel(ByteReader& package, int32_t i) {
    ResetLevelLists();
    LevelRecord level;
    std::string why;
    if (!ReadLevelRecord(package, i, level, &why)) {
        RefuseDamagedFile(kLevelErrorTitle, "level record " + std::to_string(i), why);
        return false;
    }
    UseLevelRecord(level);
    return true;
}

bool PackLevels(const std::string& name) {
    if (ShutdownRequested) return false;
    if (HeroDead) {
        // The working levels went with the hero; such a package could not
        // hold the campaign, and it must never replace a save.
        AddLogLine(kSaveRefusedLine);
        return false;
    }
    if (!IsSafeSaveFileName(name))
        return PackageSaveFailed(name, "\"" + name + "\" is not a file name");
    if (!platform::FitsCp1250(name))
        return PackageSaveFailed(name,
                                 "\"" + name + "\" cannot be written in the files' code page");
    if (!WorkingGameComplete(name)) return false;
    const int32_t count = UnpackedLevelCount;

    ShowProgressWindow();
    const bool folderReady = MakeSavesFolder();
    // A save cut short earlier is finished or undone before this one starts;
    // one that cannot be is left alone, and this save does not happen.
    if (folderReady && !SettleInterruptedSave()) {
        // Its halves are that save's: they stay for the next start.
        HideProgressWindow();
        TellNotSaved(name, "an interrupted save could not be settled");
        return false;
    }

    // Every level passes through memory: until the current one is back the
    // game is not whole.
    const bool wasWhole = GameStateWhole();
    NoteGameStateBroken();
    ByteWriter out;
    out.Reserve(static_cast<size_t>(count) * 12 * 1024);
    WriteKeyedString(out, name, SaveHeaderKey());
    out.Int32(count);
    const int32_t step = ProgressStep(count);
    for (int32_t i = 0; i < count; ++i) {
        if (!LoadLevel(i)) return false;  // a damaged working file ends the game
        WritePackedLevel(out, i);
        AdvanceAfterLevel(i, step);
    }
    std::string failure = "no save folder " + SavesFolder();
    const bool written = folderReady && WriteNewFile(UnfinishedPackagePath(), out.Bytes(),
                                                     Durability::kFlushed, &failure);
    if (LoadLevel(LevelNumber) && wasWhole) NoteGameStateWhole();
    HideProgressWindow();
    if (ShutdownRequested) return false;
    if (!written) return PackageSaveFailed(name, failure);
    return true;
}

bool PackLevelsAside(const std::string& name, std::string* why) {
    // The halves of a save cut short are that save's until it is settled.
    if (!SettlePendingCommit(why)) return false;
    const auto fail = [&](const std::string& reason) {
        if (why) *why = reason;
        RemoveFile(UnfinishedPackagePath());
        return false;
    };
    if (ShutdownRequested) return fail("the program is shutting down");
    if (!IsSafeSaveFileName(name) || !platform::FitsCp1250(name))
        return fail("\"" + name + "\" is not a save's file name");
    const int32_t count = UnpackedLevelCount;
    if (count <= 0 || LevelNumber < 0 || LevelNumber >= count)
        return fail("no game was unpacked into the working folder");
    if (!MakeSavesFolder()) return fail("no save folder " + SavesFolder());

    ByteWriter out;
    out.Reserve(static_cast<size_t>(count) * 12 * 1024);
    WriteKeyedString(out, name, SaveHeaderKey());
    out.Int32(count);
    for (int32_t i = 0; i < count; ++i) {
        if (i == LevelNumber) {
            WritePackedLevel(out, i);
            continue;
        }
        std::vector<uint8_t> bytes;
        ReadWholeFile(LevelFilePath(i), bytes);
        ByteReader in(bytes);
        LevelRecord level;
        std::string damage;
        if (!ReadLevelRecord(in, i, level, &damage))
            return fail("the working level " + LevelFilePath(i) + " does not read: " + damage);
        // A working file is one level record, so it goes in as it is (and
        // draws no new keys); anything after the record is left out.
        if (in.Remaining() == 0)
            out.Raw(bytes);
        else
            WriteLevelRecord(out, i, level);
    }
    std::string failure;
    if (!WriteNewFile(UnfinishedPackagePath(), out.Bytes(), Durability::kFlushed, &failure))
        return fail(failure);
    return true;
}

bool UnpackLevels(const std::string& name) {
    if (ShutdownRequested) return false;
    std::error_code ec;
    if (MentionsQuick(name) && !std::filesystem::exists(SavePath("quick.lev"), ec)) return false;

    ShowProgressWindow();
    PlayCue(kCueNew, 1.0f, !HeroDead);

    const bool campaign = name == "levels.all";
    const std::string path = campaign ? CampaignPackagePath() : SavePath(name);
    std::vector<uint8_t> bytes;
    if (campaign || IsSafeSaveFileName(name)) ReadWholeFile(path, bytes);
    ByteReader in(bytes);

    std::string why;
    if (!campaign) {
        std::string header;
        if (!ReadKeyedString(in, header)) {
            RefuseDamagedFile(kLevelErrorTitle, path, "the package header is missing or damaged");
            return false;
        }
        if (header != name) {
            RefuseDamagedFile(kLevelErrorTitle, path, "the header is \"" + header + "\"");
            return false;
        }
    }
    int32_t count = 0;
    if (!ReadLevelCount(in, count, &why) || !CheckLevelRecords(in, count, why)) {
        RefuseDamagedFile(kLevelErrorTitle, path, why);
        return false;
    }

    ClearWorkingLevels();
    UnpackedLevelCount = 0;
    const int32_t step = ProgressStep(count);
    for (int32_t i = 0; i < count; ++i) {
        if (!ReadPackedLevel(in, i)) return false;
        if (!StoreLevel(i)) {
            RefuseDamagedFile(kLevelErrorTitle, LevelFilePath(i), "the level could not be written");
            return false;
        }
        AdvanceAfterLevel(i, step);
    }
    UnpackedLevelCount = count;
    HideProgressWindow();
    return true;
}

}  // namespace game
