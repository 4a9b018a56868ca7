#include "game/levels/current_campaign.h"

#include <algorithm>
#include <cstdint>

#include "game/core/game_state.h"
#include "game/core/windows.h"
#include "game/levels/save_description.h"

namespace game {
bool PlayCampaignPack(const CampaignPack& pack) {
    std::string hash = FileHash(pack.PackagePath());
    if (hash.empty()) return false;
    PlayedCampaign chosen;
    chosen.folderName = pack.folderName;
    chosen.folder = pack.folder;
    chosen.name = pack.info.name;
    chosen.endLevel = pack.info.endLevel;
    chosen.endTile = pack.info.endTile;
    chosen.hash = std::move(hash);
    CurrentCampaignPlace() = std::move(chosen);
    return true;
}

std::string CurrentPackagePath() {
    const PlayedCampaign& current = CurrentCampaign();
    return current.BuiltIn() ? Places.data + "/levels.all" : current.folder + "/levels.all";
}

std::string CurrentCataloguePath() {
    const PlayedCampaign& current = CurrentCampaign();
    return current.BuiltIn() ? Places.data + "/levels.en" : current.folder + "/levels.en";
}

const std::vector<std::string>& CampaignFolders() {
    return Places.campaigns;
}

std::vector<CampaignPack> FindPlayablePacks(std::FILE* errors) {
    return FindCampaignPacks(CampaignFolders(), errors);
}

std::optional<PlayerText> CampaignRefusal(const std::string& folderName, const std::string& name,
                                          const std::string& hash,
                                          std::optional<CampaignPack>* pack) {
    if (pack) pack->reset();
    if (folderName.empty()) return std::nullopt;
    const std::string shownName = name.empty() ? folderName : name;
    std::optional<CampaignPack> found = FindCampaignPack(CampaignFolders(), folderName);
    if (!found) return NamedText(kCampaignGoneText, shownName);
    if (FileHash(found->PackagePath()) != hash) return NamedText(kCampaignChangedText, shownName);
    if (pack) *pack = std::move(found);
    return std::nullopt;
}

namespace {

std::optional<PlayerText> NewerSaveRefusal(const std::string& saveName) {
    const std::optional<uint32_t> version = NewerDescriptionFormat(saveName);
    if (!version) return std::nullopt;
    return CountedText(kNewerSaveText,
                       static_cast<int32_t>(std::min<uint32_t>(*version, INT32_MAX)));
}

}  // namespace

std::optional<PlayerText> SaveCampaignRefusal(const std::string& saveName) {
    if (std::optional<PlayerText> newer = NewerSaveRefusal(saveName)) return newer;
    const std::optional<SaveDescription> about = ReadSaveDescription(saveName);
    if (!about) return std::nullopt;
    return CampaignRefusal(about->campaign, about->campaignName, about->campaignHash);
}

bool TakeCampaignOfSave(const std::string& saveName) {
    if (std::optional<PlayerText> newer = NewerSaveRefusal(saveName)) {
        Windows().ShowMessageBox(*newer, "Karvelun");
        return false;
    }
    const std::optional<SaveDescription> about = ReadSaveDescription(saveName);
    std::optional<CampaignPack> pack;
    if (about) {
        if (std::optional<PlayerText> refusal =
                CampaignRefusal(about->campaign, about->campaignName, about->campaignHash, &pack)) {
            Windows().ShowMessageBox(*refusal, "Karvelun");
            return false;
        }
    }
    if (!pack) {
        PlayBuiltInCampaign();
        return true;
    }
    if (!PlayCampaignPack(*pack)) {
        Windows().ShowMessageBox(NamedText(kCampaignGoneText, pack->info.name), "Karvelun");
        return false;
    }
    return true;
}

}  // namespace game
