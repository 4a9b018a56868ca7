// The player's records file and a run's statistics line (a save's
// description and a load's recording carry it): any bytes are read or
// refused, never a crash; what reads writes back to the very same records,
// and a run that reads gives its figures and achievements without harm.
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "game/core/run_statistics_text.h"
#include "game/records/achievements.h"
#include "game/records/records_file.h"
#include "game/records/run_figures.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto records = game::ParsePlayerRecords(text)) {
        const auto again = game::ParsePlayerRecords(game::FormatPlayerRecords(*records));
        fuzz::Expect(again.has_value(), "records that read do not read back once written");
        fuzz::Expect(again == records, "records came back changed");
    }
    if (const auto run = game::ParseRunStatistics(text)) {
        const auto again = game::ParseRunStatistics(game::FormatRunStatistics(*run));
        fuzz::Expect(again.has_value(), "statistics that read do not read back once written");
        fuzz::Expect(again == run, "statistics came back changed");
        game::CampaignFacts facts;
        facts.secrets[3] = {{30, 31}};
        facts.lordsInHall = 2;
        const auto lines = game::RecordLines(game::FiguresOfRun(*run), {});
        fuzz::Expect(!lines.empty(), "a run without its run line");
        game::EarnedAchievements(*run, facts);
    }
    return 0;
}
