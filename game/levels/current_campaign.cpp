#include "game/levels/current_campaign.h"

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
    // Written by an earlier version, the name may still hold direction controls.
    const std::string shownName = WithoutDirectionControls(name.empty() ? folderName : name);
    std::optional<CampaignPack> found = FindCampaignPack(CampaignFolders(), folderName);
    if (!found) return NamedText(kCampaignGoneText, shownName);
    if (FileHash(found->PackagePath()) != hash) return NamedText(kCampaignChangedText, shownName);
    if (pack) *pack = std::move(found);
    return std::nullopt;
}

std::optional<PlayerText> SaveCampaignRefusal(const std::string& saveName) {
    const std::optional<SaveDescription> about = ReadSaveDescription(saveName);
    if (!about) return std::nullopt;
    return CampaignRefusal(about->campaign, about->campaignName, about->campaignHash);
}

bool TakeCampaignOfSave(const std::string& saveName) {
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
