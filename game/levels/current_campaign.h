// Choosing the campaign being played (game/core/campaign_places.h): the
// built-in one (data/levels.all) or a pack (campaign_packs.h).  New games
// unpack its levels.all, its levels.en gives the English of its texts, and
// saves and recordings name it.  Plain C++, shared by the rules and the windows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/core/campaign_places.h"
#include "game/core/player_text.h"
#include "game/levels/campaign_packs.h"
#include "game/platform/shown_text.h"

namespace game {

// The pack from now on; false, with the built-in kept, when its levels.all
// does not read.
bool PlayCampaignPack(const CampaignPack& pack);

// The campaign's levels.all and its English catalogue.
std::string CurrentPackagePath();
std::string CurrentCataloguePath();

// The folders that hold packs (Places.campaigns), and the packs in them.
const std::vector<std::string>& CampaignFolders();
// Each pack left out is told on `errors` (none: not told).
std::vector<CampaignPack> FindPlayablePacks(std::FILE* errors = nullptr);

inline constexpr const char* kCampaignGoneText =
    SHOWN_TEXT("Message", "Tato uložená hra patří ke kampani „%1“, která tu není.");
inline constexpr const char* kCampaignDamagedText =
    SHOWN_TEXT("Message", "Kampaň „%1“ je poškozená a nelze ji hrát.");
inline constexpr const char* kCampaignChangedText =
    SHOWN_TEXT("Message", "Tato uložená hra patří ke kampani „%1“, která se od té doby změnila.");
inline constexpr const char* kCampaignUnknownText = SHOWN_TEXT(
    "Message", "Tato uložená hra nemá čitelný popis a nelze poznat, ke které kampani patří.");
// A save whose description is of a later format (its version the number).
inline constexpr const char* kNewerSaveText = SHOWN_COUNTED_TEXT(
    "Message",
    "Tuto hru uložila novější verze hry (popis hry je ve formátu verze %n) a tato ji nahrát "
    "neumí. Uložená hra zůstává, jak byla.");

// Why a game of the pack named in a save's description (or a recording)
// cannot be played here: its pack is gone, or its levels.all is no longer
// the one the game began with.  Nothing for the built-in campaign (empty
// folder name), whose updates never refuse a save, and for a pack that is
// here as it was; then *pack, when given, is that pack.
std::optional<PlayerText> CampaignRefusal(const std::string& folderName, const std::string& name,
                                          const std::string& hash,
                                          std::optional<CampaignPack>* pack = nullptr);
// The same for the save <saveName>, by its description; a description that
// names no pack is of the built-in campaign.  A save without a description
// that reads is known by its levels (save_campaign.h) or refused.  A save
// whose description is of a later format than this game reads is refused
// too (kNewerSaveText), whatever its campaign.
std::optional<PlayerText> SaveCampaignRefusal(const std::string& saveName);

// Before loading the save: its campaign becomes the current one.  When it
// cannot, a message box says why, nothing changes and the answer is false.
bool TakeCampaignOfSave(const std::string& saveName);

}  // namespace game
