#include "tools/levels/cli/records_command.h"

#include <filesystem>

#include "game/core/run_statistics.h"
#include "game/levels/package_record.h"
#include "game/levels/save_folder.h"
#include "game/platform/file_io.h"
#include "game/records/achievements.h"
#include "game/records/campaign_facts.h"
#include "game/records/run_figures.h"
#include "game/replay/player.h"
#include "game/replay/recording_session.h"
#include "tools/levels/bots/headless_game.h"
#include "tools/levels/cli/tool_paths.h"

namespace levels_tool {
namespace {

namespace fs = std::filesystem;

// The progress of every moment the run was kept at, as the recordings
// played show it.
class KeptMoments final : public game::RunListener {
  public:
    KeptMoments() { game::AddRunListener(this); }
    ~KeptMoments() override { game::RemoveRunListener(this); }
    void RunChanged(game::RunEvent event) override {
        if (event == game::RunEvent::kSavePoint)
            moments.push_back(game::CurrentRunStatistics().progress);
    }
    bool Holds(const game::RunProgress& progress) const {
        for (const game::RunProgress& kept : moments)
            if (kept == progress) return true;
        return false;
    }
    std::vector<game::RunProgress> moments;
};

// Why the start of a recording does not go on from the run played so far;
// empty when it does.
std::string BreakInChain(const replay::StartState& start, const game::RunAttempts& before,
                         const std::vector<std::string>& stamps, const KeptMoments& kept) {
    if (start.kind != replay::StartKind::LoadedPair || !start.statistics)
        return "it does not go on from a run";
    const game::RunStatistics& s = *start.statistics;
    if (!s.fromStart) return "its run was not counted from its new game";
    game::RunAttempts expected = before;
    ++expected.reloads;
    expected.recordings = stamps;
    if (s.attempts.recordings != stamps)
        return "its run's recordings are not the ones given before it";
    if (s.attempts != expected) return "its run's deaths, loads or cheats differ";
    if (!kept.Holds(s.progress)) return "it goes on from no moment the recordings before kept";
    return {};
}

}  // namespace

int RecordsCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
    const std::vector<std::string>& files = line.Paths();
    const fs::path campaign = line.Word("--campaign").value_or(PathsOfThisTool().CampaignFile());
    std::vector<uint8_t> campaignBytes;
    game::PackageRecord package;
    if (!game::ReadWholeFile(campaign.string(), campaignBytes)) {
        err << "karvelun-levels: " << campaign.string() << ": not a campaign\n";
        return 2;
    }
    game::ByteReader in(campaignBytes);
    if (!game::ReadPackageRecord(in, false, package)) {
        err << "karvelun-levels: " << campaign.string() << ": not a campaign\n";
        return 2;
    }

    HeadlessGame game;
    if (!game.InstallCampaign(package)) {
        err << "karvelun-levels: the campaign cannot be set up\n";
        return 2;
    }
    game::WriteWholeFile(game::CampaignPackagePath(), campaignBytes, false);

    KeptMoments kept;
    std::vector<std::string> stamps;
    game::RunAttempts attempts;
    bool builtIn = true;
    for (size_t k = 0; k < files.size(); ++k) {
        const std::string& file = files[k];
        std::vector<uint8_t> bytes;
        if (!game::ReadWholeFile(file, bytes, 1u << 30)) {
            err << "karvelun-levels: " << file << ": cannot be read\n";
            return 2;
        }
        replay::Player player(replay::ParseRecording(bytes));
        const replay::StartState& start = player.GetRecording().start;
        if (k > 0) {
            const std::string why = BreakInChain(start, attempts, stamps, kept);
            if (!why.empty()) {
                err << "karvelun-levels: " << file << ": does not go on from " << files[k - 1]
                    << ": " << why << "\n";
                return 2;
            }
        } else if (start.kind == replay::StartKind::LoadedPair) {
            err << "karvelun-levels: note: " << file << " begins with a load: "
                << (start.statistics && start.statistics->fromStart
                        ? "the run's figures before it are as its start says"
                        : "the run's figures count from it only")
                << "\n";
        }
        if (!player.Begin(true)) {
            err << "karvelun-levels: " << file << ": does not verify: refused: " << player.Why()
                << "\n";
            return 2;
        }
        if (player.CampaignDiffers()) {
            err << "karvelun-levels: " << file << ": does not verify: recorded with another "
                << "campaign\n";
            return 2;
        }
        builtIn = start.campaign.empty();
        if (player.PlayToEnd() != replay::Player::State::Ended) {
            err << "karvelun-levels: " << file << ": does not verify: " << player.Why() << "\n";
            return 2;
        }
        attempts = game::CurrentRunStatistics().attempts;
        stamps =
            start.statistics ? start.statistics->attempts.recordings : std::vector<std::string>{};
        stamps.push_back(replay::RecordingStamp(file));
    }

    const game::RunStatistics& run = game::CurrentRunStatistics();
    std::vector<std::string> names;
    for (const game::Achievement* a :
         game::EarnedAchievements(run, game::FactsOfCampaign(package, builtIn)))
        names.emplace_back(a->name);
    for (const std::string& line : game::RecordLines(game::FiguresOfRun(run), names))
        out << line << "\n";
    return 0;
}

}  // namespace levels_tool
