// Campaigns of one's own: packs the player drops beside the built-in
// campaign, each a folder holding campaign.ini (campaign_info.h), levels.all
// and maybe levels.en.  Finding them at start must stay quick however many
// there are, so a pack's package is only looked at, never read: its level
// count against its size.  A pack that does not read is left out with one
// line on the error output.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "game/levels/campaign_info.h"

namespace game {

struct CampaignPack {
    std::string folderName;  // the pack's folder, which names it in saves
    std::string folder;      // its full path
    CampaignInfo info;
    int32_t levelCount = 0;

    std::string PackagePath() const { return folder + "/levels.all"; }
};

// The pack in `folder`; nothing, with the reason in *why, when its
// campaign.ini does not read, its levels.all is not a package or its ending
// lies on a level it does not have.
std::optional<CampaignPack> ReadCampaignPack(const std::string& folder, std::string* why);

// The packs in the given folders of packs (missing folders hold none),
// sorted by name, then by folder name.  A folder name met again in a later
// folder is the same pack, hidden by the first.  Each pack left out is told
// on `errors` in one line.
std::vector<CampaignPack> FindCampaignPacks(const std::vector<std::string>& packFolders,
                                            std::FILE* errors = stderr);

// The pack of that folder name in the first of the folders that has it.
std::optional<CampaignPack> FindCampaignPack(const std::vector<std::string>& packFolders,
                                             const std::string& folderName);

// The level count of a level package without a header (levels.all), by
// its first bytes; 0 when it is not one.
int32_t PackageLevelCount(const std::string& path);

// Whether the pack's levels.all reads whole, every level of it: looked at
// when the pack is chosen, so that a pack damaged past its first bytes is
// refused with a message instead of ending the program as a damaged
// campaign of the game's own would.  *why tells what is wrong.
bool CampaignPackReadsWhole(const CampaignPack& pack, std::string* why);

// A stable hash of a whole file, as hexadecimal text; empty when it does not
// read.  Saves of a pack carry the hash of its levels.all.
std::string FileHash(const std::string& path);

}  // namespace game
