#include "game/play/going_on.h"

#include "game/core/game_state.h"
#include "game/core/music_director.h"
#include "game/core/play_observer.h"
#include "game/core/windows.h"
#include "game/levels/current_campaign.h"
#include "game/play/game_flow.h"

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

bool GoOnAfterDeath() {
    const std::optional<FoundAutosave> arrival = ThisGamesAutosave();
    if (!arrival || SaveCampaignRefusal(arrival->name)) return false;
    if (!Windows().AskQuestion(kArrivalQuestion, arrival->level, true)) return ShutdownRequested;
    if (ShutdownRequested) return true;
    // The game that ended is told so before the load replaces it.
    if (PlayObserver* observer = CurrentPlayObserver()) observer->GameEnds(GameEnd::Died);
    switch (LoadChosenGame(arrival->name)) {
        case AfterLoad::kPlay:
            RememberThisGamesAutosave();
            Windows().ResumeGameWindow();
            break;
        case AfterLoad::kMenu:
            // The box has said why; the menu as after any death.
            Windows().EndGameToMenu();
            Music().Menu();
            break;
        case AfterLoad::kShutDown:
            break;
    }
    return true;
}

}  // namespace game
