#include "game/levels/save_snapshot.h"

#include "game/core/game_state.h"
#include "game/levels/byte_stream.h"
#include "game/levels/keyed_string.h"
#include "game/levels/level_packages.h"
#include "game/levels/level_record.h"
#include "game/levels/position_files.h"
#include "game/levels/save_folder.h"
#include "game/levels/working_levels.h"
#include "game/platform/durable_file.h"
#include "game/platform/file_io.h"
#include "game/platform/private_folder.h"
#include "game/platform/random.h"

namespace game {
namespace {

// The package of the snapshot's levels, each checked as the level reader
// checks it.  A working file is one level record, so its record goes in as
// it is, without whatever follows it.
bool AssemblePackage(const GameSnapshot& snapshot, const std::string& packageName, ByteWriter& out,
                     std::string* why) {
    const int32_t count = static_cast<int32_t>(snapshot.levels.size());
    size_t size = 0;
    for (const std::vector<uint8_t>& level : snapshot.levels)
        size += level.size();
    out.Reserve(size + 1024);
    WriteKeyedString(out, packageName, snapshot.packageKey);
    out.Int32(count);
    LevelRecord scratch;
    for (int32_t i = 0; i < count; ++i) {
        const std::vector<uint8_t>& bytes = snapshot.levels[static_cast<size_t>(i)];
        ByteReader in(bytes);
        std::string damage;
        if (!ReadLevelRecord(in, i, scratch, &damage)) {
            if (why) *why = "the working level " + std::to_string(i) + " does not read: " + damage;
            return false;
        }
        out.Raw(bytes.data(), in.Offset());
    }
    return true;
}

}  // namespace

std::optional<GameSnapshot> TakeGameSnapshot(std::string* why) {
    const int32_t count = UnpackedLevelCount;
    if (count <= 0 || LevelNumber < 0 || LevelNumber >= count) {
        if (why) *why = "no game was unpacked into the working folder";
        return std::nullopt;
    }
    if (SavesFolder().empty()) {
        if (why) *why = "there is no save folder";
        return std::nullopt;
    }
    // The keys are drawn in the order a save draws them; the game's own
    // sequence goes on as if they had not been.
    const platform::RandomSequenceKept randomKept;
    GameSnapshot snapshot;
    snapshot.savesFolder = SavesFolder();
    snapshot.packageKey = SaveHeaderKey();
    snapshot.levels.resize(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        std::vector<uint8_t>& bytes = snapshot.levels[static_cast<size_t>(i)];
        if (i != LevelNumber) {
            ReadWholeFile(LevelFilePath(i), bytes);
            continue;
        }
        ByteWriter out;
        WritePackedLevel(out, i);
        bytes = out.Bytes();
    }
    snapshot.positionKey = SaveHeaderKey();
    snapshot.hero = CurrentPosition();
    snapshot.description = DescribeCurrentGame();
    return snapshot;
}

PairCommit WriteGameSnapshot(const GameSnapshot& snapshot, const std::string& saveName,
                             std::string* why) {
    const std::string& folder = snapshot.savesFolder;
    const std::string packageName = saveName + ".lev", positionName = saveName + ".pos";
    if (!IsSafeSaveFileName(packageName)) {
        if (why) *why = "\"" + saveName + "\" is not a save's name";
        return PairCommit::kOldKept;
    }
    ByteWriter package;
    if (!AssemblePackage(snapshot, packageName, package, why)) return PairCommit::kOldKept;
    ByteWriter position;
    WritePositionRecord(position, positionName, snapshot.positionKey, snapshot.hero);

    if (!platform::MakePrivateFolder(folder)) {
        if (why) *why = "no save folder " + folder;
        return PairCommit::kOldKept;
    }
    // The halves are every save's: a record of an earlier save must not find
    // this one's under its names.
    if (!SettlePendingCommitIn(folder, why)) return PairCommit::kUnsettled;
    const bool written =
        WriteNewFile(PathInFolder(folder, kUnfinishedPackageName), package.Bytes(),
                     Durability::kFlushed, why) &&
        WriteNewFile(PathInFolder(folder, kUnfinishedPositionName), position.Bytes(),
                     Durability::kFlushed, why) &&
        WriteNewFile(PathInFolder(folder, kUnfinishedDescriptionName),
                     FormatSaveDescription(snapshot.description), Durability::kFlushed, why);
    if (!written) {
        RemoveUnfinishedSaveIn(folder);
        return PairCommit::kOldKept;
    }
    return CommitSavePairIn(folder, packageName, positionName, DescriptionFileName(saveName), why);
}

}  // namespace game
