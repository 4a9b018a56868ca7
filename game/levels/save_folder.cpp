#include "game/levels/save_folder.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "game/core/game_state.h"
#include "game/levels/current_campaign.h"
#include "game/levels/save_commit.h"
#include "game/levels/save_description.h"
#include "game/levels/save_folder_writer.h"
#include "game/platform/private_folder.h"

namespace game {
std::string UpperAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string SavesFolder() {
    return Places.saves;
}

std::string SavePath(const std::string& fileName) {
    return PathInFolder(SavesFolder(), fileName);
}

std::string PathInFolder(const std::string& folder, const std::string& fileName) {
    // No save folder (no home folder to put it in): no path either, rather
    // than a file in the root folder.
    if (folder.empty()) return std::string();
    return folder + "/" + fileName;
}

std::string CampaignPackagePath() {
    return CurrentPackagePath();
}

bool IsSafeSaveFileName(const std::string& fileName) {
    return !fileName.empty() && fileName != "." && fileName != ".." &&
           fileName.find('/') == std::string::npos && fileName.find('\0') == std::string::npos;
}

bool MentionsQuick(const std::string& fileName) {
    return UpperAscii(fileName).find("QUICK") != std::string::npos;
}

bool IsQuickPositionName(const std::string& fileName) {
    return UpperAscii(fileName) == "QUICK.POS";
}

bool MakeSavesFolder() {
    return platform::MakePrivateFolder(SavesFolder());
}

bool SavePairExists(const std::string& saveName) {
    std::error_code ec;
    return IsSafeSaveFileName(saveName + ".lev") &&
           std::filesystem::is_regular_file(SavePath(saveName + ".lev"), ec) &&
           std::filesystem::is_regular_file(SavePath(saveName + ".pos"), ec);
}

std::string SaveNameOf(const std::string& fileName) {
    const size_t size = fileName.size();
    if (size >= 4 &&
        (fileName.compare(size - 4, 4, ".lev") == 0 || fileName.compare(size - 4, 4, ".pos") == 0))
        return fileName.substr(0, size - 4);
    return fileName;
}

const char* SaveFailedLine(const std::string& saveName) {
    return SavePairExists(saveName) ? kSaveFailedKeptLine : kSaveFailedLine;
}

std::string UnfinishedPackagePath() {
    return SavePath(kUnfinishedPackageName);
}

std::string UnfinishedPositionPath() {
    return SavePath(kUnfinishedPositionName);
}

void RemoveUnfinishedSave() {
    WaitForSaveFolder();
    RemoveUnfinishedSaveIn(SavesFolder());
}

void RemoveUnfinishedSaveIn(const std::string& folder) {
    if (folder.empty() || SaveRecordPendingIn(folder)) return;
    std::error_code ec;
    for (const char* name :
         {kUnfinishedPackageName, kUnfinishedPositionName, kUnfinishedDescriptionName})
        std::filesystem::remove(PathInFolder(folder, name), ec);
}

}  // namespace game
