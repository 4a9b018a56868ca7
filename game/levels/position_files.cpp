#include "game/levels/position_files.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "game/core/game_state.h"
#include "game/core/messages.h"
#include "game/core/progression.h"
#include "game/levels/keyed_string.h"
#include "game/levels/level_files.h"
#include "game/levels/load_failure.h"
#include "game/levels/save_commit.h"
#include "game/levels/save_folder.h"
#include "game/platform/codepage.h"
#include "game/platform/durable_file.h"
#include "game/platform/file_io.h"

namespace game {
namespace {

// previousKept false: the save folder is put right only at the next start.
bool PositionSaveFailed(const std::string& name, const std::string& why, bool previousKept = true) {
    std::fprintf(stderr, "karvelun: the game was not saved: %s\n", why.c_str());
    RemoveUnfinishedSave();
    AddLogLine(previousKept ? SaveFailedLine(SaveNameOf(name)) : kSaveFailedLine);
    return false;
}

}  // namespace

PositionRecord CurrentPosition() {
    return {LevelNumber,     HeroX,        HeroY,        HeroStepX,  HeroStepY, HeroSpeed,
            HeroFacing,      Lives,        MaxLives,     Experience, Gold,      HeroLevel,
            MissileStrength, MissileRange, BombStrength, BombRange};
}

void UsePosition(const PositionRecord& p) {
    LevelNumber = p.LevelNumber;
    HeroX = p.HeroX;
    HeroY = p.HeroY;
    HeroStepX = p.HeroStepX;
    HeroStepY = p.HeroStepY;
    HeroSpeed = p.HeroSpeed;
    HeroFacing = p.HeroFacing;
    Lives = p.Lives;
    MaxLives = p.MaxLives;
    Experience = p.Experience;
    Gold = p.Gold;
    HeroLevel = p.HeroLevel;
    MissileStrength = p.MissileStrength;
    MissileRange = p.MissileRange;
    BombStrength = p.BombStrength;
    BombRange = p.BombRange;
}

bool WriteUnfinishedPosition(const std::string& name) {
    if (ShutdownRequested) return false;
    if (HeroDead) {
        RemoveUnfinishedSave();
        AddLogLine(kSaveRefusedLine);
        return false;
    }
    std::string failure;
    if (!WritePositionAside(name, &failure)) return PositionSaveFailed(name, failure);
    return true;
}

bool WritePositionAside(const std::string& name, std::string* why) {
    const auto fail = [&](const std::string& reason) {
        if (why) *why = reason;
        return false;
    };
    if (ShutdownRequested) return fail("the program is shutting down");
    if (HeroDead) return fail("the hero is dead");
    if (!IsSafeSaveFileName(name)) return fail("\"" + name + "\" is not a file name");
    if (!platform::FitsCp1250(name))
        return fail("\"" + name + "\" cannot be written in the files' code page");
    if (!MakeSavesFolder()) return fail("no save folder " + SavesFolder());
    // The halves of a save cut short are that save's until it is settled.
    if (!SettlePendingCommit(why)) return false;
    ByteWriter out;
    WritePositionRecord(out, name, SaveHeaderKey(), CurrentPosition());
    return WriteNewFile(UnfinishedPositionPath(), out.Bytes(), Durability::kFlushed, why);
}

bool CommitUnfinishedSave(const std::string& packageName, const std::string& name) {
    return CommitUnfinishedSave(packageName, name, std::string());
}

bool CommitUnfinishedSave(const std::string& packageName, const std::string& name,
                          const std::string& descriptionFile) {
    // The halves are complete: they go into place together or not at all.
    std::string why;
    switch (CommitSavePair(packageName, name, descriptionFile, &why)) {
        case PairCommit::kSaved:
            return true;
        case PairCommit::kOldKept:
            return PositionSaveFailed(name, why);
        case PairCommit::kUnsettled:
            return PositionSaveFailed(name, why, false);
    }
    return false;
}

bool SavePosition(const std::string& name) {
    return WriteUnfinishedPosition(name) && CommitUnfinishedSave("", name);
}

bool LoadPosition(const std::string& name) {
    if (ShutdownRequested) return false;
    std::error_code ec;
    if (IsQuickPositionName(name) && !std::filesystem::exists(SavePath("quick.pos"), ec))
        return false;

    const std::string path = SavePath(name);
    std::vector<uint8_t> bytes;
    if (IsSafeSaveFileName(name)) ReadWholeFile(path, bytes);
    ByteReader in(bytes);
    std::string header;
    PositionRecord position;
    std::string why;
    if (!ReadPositionRecord(in, header, position, &why)) {
        RefuseDamagedFile(kPositionErrorTitle, path, why);
        return false;
    }
    if (header != name) {
        RefuseDamagedFile(kPositionErrorTitle, path, "the header is \"" + header + "\"");
        return false;
    }
    UsePosition(position);
    UpdateStatus();
    return LoadLevel(LevelNumber);
}

}  // namespace game
