#include "game/levels/current_campaign.h"

#include <algorithm>
#include <cstdint>

#include "game/core/game_state.h"
#include "game/core/windows.h"
#include "game/levels/pack_fingerprint.h"
#include "game/levels/save_campaign.h"
#include "game/levels/save_description.h"
#include "game/levels/save_folder.h"

namespace game {
namespace {

// The campaign a save is of: a pack, or the built-in one when there is
// none; or why it cannot be played here.
struct SaveCampaign {
    std::optional<PlayerText> refusal;
    std::optional<CampaignPack> pack;
};

// A save without a description that reads, told by its levels.  The packs'
// levels are read only for packs with as many levels as the save.
SaveCampaign CampaignByLevels(const std::string& saveName) {
    const std::optional<LevelsFingerprint> save =
        PackageFileFingerprint(SavePath(saveName + ".lev"), true);
    // A package that does not read is refused by the load itself, as ever.
    if (!save) return {};
    std::vector<CampaignPack> packs;
    std::vector<LevelsFingerprint> levels;
    for (CampaignPack& pack : FindPlayablePacks()) {
        if (pack.levelCount != save->LevelCount()) continue;
        std::optional<LevelsFingerprint> its = PackageFileFingerprint(pack.PackagePath(), false);
        if (!its) continue;
        packs.push_back(std::move(pack));
        levels.push_back(std::move(*its));
    }
    const RecognisedCampaign found = RecogniseCampaign(
        *save, PackageFileFingerprint(Places.data + "/levels.all", false), levels);
    switch (found.kind) {
        case RecognisedCampaign::kBuiltIn:
            return {};
        case RecognisedCampaign::kPack:
            return {std::nullopt, std::move(packs[found.pack])};
        case RecognisedCampaign::kUnknown:
            break;
    }
    return {PlayerText(kCampaignUnknownText), std::nullopt};
}

std::optional<PlayerText> NewerSaveRefusal(const std::string& saveName) {
    const std::optional<uint32_t> version = NewerDescriptionFormat(saveName);
    if (!version) return std::nullopt;
    return CountedText(kNewerSaveText,
                       static_cast<int32_t>(std::min<uint32_t>(*version, INT32_MAX)));
}

SaveCampaign CampaignOfSave(const std::string& saveName) {
    // A description of a later format is never taken for a missing one.
    if (std::optional<PlayerText> newer = NewerSaveRefusal(saveName)) return {newer, std::nullopt};
    const std::optional<SaveDescription> about = ReadSaveDescription(saveName);
    if (!about) return CampaignByLevels(saveName);
    SaveCampaign campaign;
    campaign.refusal =
        CampaignRefusal(about->campaign, about->campaignName, about->campaignHash, &campaign.pack);
    return campaign;
}

}  // namespace

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
    return CampaignOfSave(saveName).refusal;
}

bool TakeCampaignOfSave(const std::string& saveName) {
    SaveCampaign campaign = CampaignOfSave(saveName);
    if (campaign.refusal) {
        Windows().ShowMessageBox(*campaign.refusal, "Karvelun");
        return false;
    }
    if (!campaign.pack) {
        PlayBuiltInCampaign();
        return true;
    }
    if (!PlayCampaignPack(*campaign.pack)) {
        Windows().ShowMessageBox(NamedText(kCampaignGoneText, campaign.pack->info.name),
                                 "Karvelun");
        return false;
    }
    return true;
}

}  // namespace game
