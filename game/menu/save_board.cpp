#include "game/menu/save_board.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <map>
#include <system_error>

#include "game/levels/save_folder.h"
#include "game/levels/save_folder_writer.h"
#include "game/levels/save_names.h"
#include "game/platform/codepage.h"
#include "game/platform/private_folder.h"

namespace game {
namespace {

namespace fs = std::filesystem;

// The text without its last `count` characters (UTF-8), empty when it is
// not longer than that.
std::string WithoutLastCharacters(const std::string& text, size_t count) {
    std::vector<char32_t> characters = platform::Utf8ToCodePoints(text);
    if (characters.size() <= count) return {};
    std::string kept;
    for (size_t i = 0; i + count < characters.size(); ++i)
        platform::AppendUtf8(kept, characters[i]);
    return kept;
}

// The later modification time of the pair's two files, in seconds since
// 1970 UTC; nothing when either cannot be read.
std::optional<int64_t> PairWrittenAt(const std::string& name) {
    std::error_code levError, posError;
    const fs::file_time_type lev = fs::last_write_time(SavePath(name + ".lev"), levError);
    const fs::file_time_type pos = fs::last_write_time(SavePath(name + ".pos"), posError);
    if (levError || posError) return std::nullopt;
    const auto written = std::chrono::file_clock::to_sys(std::max(lev, pos));
    return std::chrono::floor<std::chrono::seconds>(written).time_since_epoch().count();
}

}  // namespace

std::vector<std::string> SaveBoardEntries(const std::vector<std::string>& sortedFileNames) {
    std::vector<std::string> entries;
    for (const std::string& file : sortedFileNames) {
        if (UpperAscii(file).find("LEV") == std::string::npos) continue;
        std::string entry = WithoutLastCharacters(file, 4);
        if (entry.empty()) continue;
        if (!entries.empty() && entries.back() == entry) continue;
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<std::string> SaveFolderFiles() {
    // The list shows the saves as they are once a save written in the
    // background has landed.
    WaitForSaveFolder();
    std::vector<std::string> names;
    std::error_code ec;
    fs::path folder = SavesFolder();
    platform::MakePrivateFolder(folder.string());
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) continue;
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> ListSaves() {
    return SaveBoardEntries(SaveFolderFiles());
}

std::vector<std::string> NewestFirst(std::vector<SaveTimes> saves) {
    const auto timeOf = [](const SaveTimes& save) {
        return save.describedAt ? save.describedAt : save.filesWrittenAt;
    };
    std::sort(saves.begin(), saves.end(), [&](const SaveTimes& a, const SaveTimes& b) {
        const std::optional<int64_t> ta = timeOf(a), tb = timeOf(b);
        if (ta.has_value() != tb.has_value()) return ta.has_value();
        if (ta && *ta != *tb) return *ta > *tb;
        return a.name < b.name;
    });
    std::vector<std::string> names;
    names.reserve(saves.size());
    for (SaveTimes& save : saves)
        names.push_back(std::move(save.name));
    return names;
}

std::vector<LoadBoardEntry> LoadBoard() {
    std::vector<SaveTimes> times;
    std::map<std::string, LoadBoardEntry> entries;
    for (std::string& name : ListSaves()) {
        LoadBoardEntry entry{name, ReadSaveDescription(name), SavePairExists(name)};
        SaveTimes& time = times.emplace_back(SaveTimes{name, std::nullopt, std::nullopt});
        if (entry.description) time.describedAt = entry.description->writtenAt;
        if (entry.whole) time.filesWrittenAt = PairWrittenAt(name);
        entries.insert_or_assign(name, std::move(entry));
    }
    std::vector<LoadBoardEntry> board;
    board.reserve(times.size());
    for (const std::string& name : NewestFirst(std::move(times))) {
        auto found = entries.find(name);
        if (found == entries.end()) continue;
        board.push_back(std::move(found->second));
        entries.erase(found);
    }
    return board;
}

int NewestWholeEntry(const std::vector<LoadBoardEntry>& entries) {
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].whole) return static_cast<int>(i);
    return -1;
}

void RemoveReservedEntries(std::vector<std::string>& entries) {
    std::erase_if(entries, [](const std::string& entry) {
        return UpperAscii(entry) == "QUICK" || IsAutosaveName(entry);
    });
}

bool SaveExists(const std::string& name) {
    WaitForSaveFolder();
    return SavePairExists(name);
}

}  // namespace game
