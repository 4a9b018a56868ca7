// What the start asks after the run before, with the run's mark as a real
// run leaves it in its folder.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "game/app/run_marker.h"
#include "game/play/going_on.h"

namespace {

namespace fs = std::filesystem;
using game::FoundAutosave;
using platform::LastRunEnd;
using platform::RunMarker;

// How the run before ended.
enum class Before {
    kNoRun,
    kShutDown,
    kKilled,
    kKilledTwice,
    kSignal,
    kSignalUnsaved,
    kSignalAtABrokenGame,
    kCutShort,
    kSignalWhileAskingAfterKill,
    kSignalWhileAskingAfterSignal,
};

void EndRunBefore(const std::string& folder, Before before) {
    RunMarker run(folder);
    switch (before) {
        case Before::kNoRun:
            return;
        case Before::kShutDown:
            run.Begin();
            run.EndedCleanly();
            return;
        case Before::kKilled:
            run.Begin();
            return;
        case Before::kKilledTwice:  // the run after a kill killed as well
            run.Begin();
            RunMarker(folder).Begin();
            return;
        case Before::kSignal:
            run.Begin();
            run.EndedBySystem();
            run.EndedCleanly();  // the shut-down the signal brought
            return;
        case Before::kSignalUnsaved:  // nothing under way to save
            run.Begin();
            run.EndedCleanly();
            return;
        case Before::kSignalAtABrokenGame:  // a load error showing, no autosave
            run.Begin();
            run.EndedUnsaved();
            run.EndedCleanly();
            return;
        case Before::kCutShort:  // killed while the mark was written
            std::ofstream(run.Path());
            return;
        case Before::kSignalWhileAskingAfterKill:
        case Before::kSignalWhileAskingAfterSignal: {
            run.Begin();
            if (before == Before::kSignalWhileAskingAfterSignal) run.EndedBySystem();
            RunMarker asking(folder);
            asking.EndedWhileAsking(asking.Begin());
            asking.EndedCleanly();
            return;
        }
    }
}

TEST(GoingOnTest, TheQuestionFollowsHowTheRunBeforeEndedAndNeedsAnAutosave) {
    const fs::path folder =
        fs::temp_directory_path() / ("karvelun-going-on-" + std::to_string(::getpid()));
    const FoundAutosave autosave{"auto-2", 7};
    const struct {
        Before before;
        bool withAutosave;
        LastRunEnd end;
        const char* question;  // nullptr: nothing asked
    } cases[] = {
        {Before::kNoRun, true, LastRunEnd::kClean, nullptr},
        {Before::kShutDown, true, LastRunEnd::kClean, nullptr},
        {Before::kSignalUnsaved, true, LastRunEnd::kClean, nullptr},
        {Before::kSignalAtABrokenGame, true, LastRunEnd::kUnclean, game::kUncleanEndQuestion},
        {Before::kSignalAtABrokenGame, false, LastRunEnd::kUnclean, nullptr},
        {Before::kKilled, true, LastRunEnd::kUnclean, game::kUncleanEndQuestion},
        {Before::kKilled, false, LastRunEnd::kUnclean, nullptr},
        {Before::kKilledTwice, true, LastRunEnd::kUnclean, game::kUncleanEndQuestion},
        {Before::kCutShort, true, LastRunEnd::kUnclean, game::kUncleanEndQuestion},
        {Before::kSignal, true, LastRunEnd::kBySystem, game::kSystemEndQuestion},
        {Before::kSignal, false, LastRunEnd::kBySystem, nullptr},
        {Before::kSignalWhileAskingAfterKill, true, LastRunEnd::kUnclean,
         game::kUncleanEndQuestion},
        {Before::kSignalWhileAskingAfterSignal, true, LastRunEnd::kBySystem,
         game::kSystemEndQuestion},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.before));
        fs::remove_all(folder);
        fs::create_directories(folder);
        EndRunBefore(folder.string(), c.before);

        RunMarker run(folder.string());
        const LastRunEnd end = run.Begin();
        EXPECT_EQ(end, c.end);
        const auto offer =
            game::OfferToGoOn(end, c.withAutosave ? std::optional(autosave) : std::nullopt);
        ASSERT_EQ(offer.has_value(), c.question != nullptr);
        if (offer) {
            EXPECT_STREQ(offer->question, c.question);
            EXPECT_EQ(offer->autosave, "auto-2");
            EXPECT_EQ(offer->level, 7);
        }
        // This run is marked as under way until its own end; a clean end
        // leaves nothing for the next start.
        EXPECT_EQ(RunMarker(folder.string()).Begin(), LastRunEnd::kUnclean);
        run.EndedCleanly();
        EXPECT_FALSE(fs::exists(run.Path()));
    }
    fs::remove_all(folder);
}

}  // namespace
