#include "game/levels/working_levels.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "game/core/game_state.h"
#include "game/levels/level_record.h"
#include "game/platform/file_io.h"
#include "game/platform/private_folder.h"

namespace game {

namespace fs = std::filesystem;

namespace {
uint32_t generation = 0;
}  // namespace

uint32_t WorkingLevelsGeneration() {
    return generation;
}

void NoteWorkingLevelsChanged() {
    ++generation;
}

std::string WorkingLevelsFolder() {
    return Places.workingLevels;
}

std::string LevelFilePath(int32_t number) {
    if (WorkingLevelsFolder().empty()) return std::string();  // never the root folder
    return WorkingLevelsFolder() + "/level" + std::to_string(number) + ".sc";
}

int32_t CountWorkingLevels() {
    int32_t count = 0;
    std::error_code ec;
    while (fs::is_regular_file(LevelFilePath(count), ec))
        ++count;
    return count;
}

bool WorkingLevelsComplete(int32_t count, std::string* why) {
    std::vector<uint8_t> bytes;
    LevelRecord scratch;
    for (int32_t i = 0; i < count; ++i) {
        const std::string path = LevelFilePath(i);
        std::string reason;
        if (!ReadWholeFile(path, bytes)) {
            reason = "it is missing or unreadable";
        } else {
            ByteReader in(bytes);
            if (ReadLevelRecord(in, i, scratch, &reason)) continue;
        }
        if (why) *why = path + ": " + reason;
        return false;
    }
    return true;
}

void DeleteLevelFiles(const std::string& folder) {
    NoteWorkingLevelsChanged();
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        platform::MakePrivateFolder(folder);
        return;
    }
    long entries = 0;
    std::vector<fs::path> leftovers;
    for (auto it = fs::directory_iterator(folder, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        ++entries;
        // A level file being written when the game was killed.
        if (it->path().filename().string().rfind(".tmp-write-", 0) == 0)
            leftovers.push_back(it->path());
    }
    for (const fs::path& leftover : leftovers)
        fs::remove(leftover, ec);
    for (long i = 0; i < entries; ++i)
        fs::remove(fs::path(folder) / ("level" + std::to_string(i) + ".sc"), ec);
}

void ClearWorkingLevels() {
    DeleteLevelFiles(WorkingLevelsFolder());
}

}  // namespace game
