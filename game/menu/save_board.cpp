#include "game/menu/save_board.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "game/levels/save_folder.h"
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

int NewestSaveEntry(const std::vector<std::string>& entries) {
    int newest = -1;
    fs::file_time_type newestTime;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!SavePairExists(entries[i])) continue;
        std::error_code levError, posError;
        const fs::file_time_type lev = fs::last_write_time(SavePath(entries[i] + ".lev"), levError);
        const fs::file_time_type pos = fs::last_write_time(SavePath(entries[i] + ".pos"), posError);
        if (levError || posError) continue;
        const fs::file_time_type written = std::max(lev, pos);
        if (newest < 0 || written > newestTime) {
            newest = static_cast<int>(i);
            newestTime = written;
        }
    }
    return newest;
}

void RemoveQuickSaveEntries(std::vector<std::string>& entries) {
    std::erase_if(entries, [](const std::string& entry) { return UpperAscii(entry) == "QUICK"; });
}

bool SaveExists(const std::string& name) {
    return SavePairExists(name);
}

}  // namespace game
