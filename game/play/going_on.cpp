#include "game/play/going_on.h"

#include "game/levels/current_campaign.h"

namespace game {

std::optional<GoOnOffer> OfferToGoOn(platform::LastRunEnd lastEnd,
                                     const std::optional<FoundAutosave>& newest) {
    if (lastEnd == platform::LastRunEnd::kClean || !newest) return std::nullopt;
    // An autosave of a campaign pack that is gone or changed cannot go on.
    if (SaveCampaignRefusal(newest->name)) return std::nullopt;
    GoOnOffer offer;
    offer.question =
        lastEnd == platform::LastRunEnd::kBySystem ? kSystemEndQuestion : kUncleanEndQuestion;
    offer.level = newest->level;
    offer.levelName = newest->levelName;
    offer.autosave = newest->name;
    return offer;
}

}  // namespace game
