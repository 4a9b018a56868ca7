#include "game/levels/save_campaign.h"

#include <algorithm>

namespace game {

RecognisedCampaign RecogniseCampaign(const LevelsFingerprint& save,
                                     const std::optional<LevelsFingerprint>& builtIn,
                                     const std::vector<LevelsFingerprint>& packs) {
    std::vector<RecognisedCampaign> exact;
    if (builtIn && *builtIn == save) exact.push_back({RecognisedCampaign::kBuiltIn});
    for (size_t i = 0; i < packs.size(); ++i)
        if (packs[i] == save) exact.push_back({RecognisedCampaign::kPack, i});
    if (exact.size() == 1) return exact.front();
    if (!exact.empty() || !builtIn || builtIn->LevelCount() != save.LevelCount()) return {};

    const int32_t builtInSame = SameLevelCount(save, *builtIn);
    const bool packCloser = std::any_of(packs.begin(), packs.end(), [&](const auto& pack) {
        return SameLevelCount(save, pack) > builtInSame;
    });
    if (packCloser) return {};
    return {RecognisedCampaign::kBuiltIn};
}

}  // namespace game
