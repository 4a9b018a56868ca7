#include "tools/levels/cli/replay_commands.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iomanip>
#include <sstream>

#include "game/core/game_state.h"
#include "game/core/play_observer.h"
#include "game/levels/package_record.h"
#include "game/levels/save_folder.h"
#include "game/platform/file_io.h"
#include "game/replay/player.h"
#include "game/replay/recorder.h"
#include "tools/levels/bots/campaign_routes.h"
#include "tools/levels/bots/headless_game.h"
#include "tools/levels/bots/playthrough_bot.h"
#include "tools/levels/cli/tool_paths.h"

namespace levels_tool {
namespace {

namespace fs = std::filesystem;

const char* OutcomeText(game::GameEnd how) {
    switch (how) {
        case game::GameEnd::Died:
            return "the hero died";
        case game::GameEnd::Finished:
            return "the campaign was finished";
        case game::GameEnd::Loaded:
            return "another game was loaded";
        case game::GameEnd::Left:
            break;
    }
    return "the game was left";
}

std::string Hex(uint32_t value) {
    std::ostringstream text;
    text << std::hex << std::setw(8) << std::setfill('0') << value;
    return text.str();
}

bool ReadPackage(const std::vector<uint8_t>& bytes, game::PackageRecord& package) {
    game::ByteReader in(bytes);
    return game::ReadPackageRecord(in, false, package);
}

}  // namespace

int ReplayCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
    const std::string& recordingFile = line.Path(0);
    const fs::path campaign = line.Word("--campaign").value_or(PathsOfThisTool().CampaignFile());
    std::vector<uint8_t> file, campaignBytes;
    if (!game::ReadWholeFile(recordingFile, file, 1u << 30)) {
        err << "karvelun-levels: " << recordingFile << ": cannot be read\n";
        return 2;
    }
    game::PackageRecord package;
    if (!game::ReadWholeFile(campaign.string(), campaignBytes) ||
        !ReadPackage(campaignBytes, package)) {
        err << "karvelun-levels: " << campaign.string() << ": not a campaign\n";
        return 2;
    }

    const auto started = std::chrono::steady_clock::now();
    HeadlessGame game;
    if (!game.InstallCampaign(package)) {
        err << "karvelun-levels: the campaign cannot be set up\n";
        return 2;
    }
    // The campaign as it was, byte for byte: its checksum is in the recording.
    game::WriteWholeFile(game::CampaignPackagePath(), campaignBytes, false);

    replay::Player player(replay::ParseRecording(file));
    const replay::Recording& recording = player.GetRecording();
    if (!player.Begin(true)) {
        err << "karvelun-levels: " << recordingFile << ": refused: " << player.Why() << "\n";
        return 2;
    }
    const replay::Player::State state = player.PlayToEnd();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    const bool ended = state == replay::Player::State::Ended;
    out << "outcome: " << (ended ? OutcomeText(recording.end->how) : "did not play to its end")
        << "\n";
    out << "frames: " << player.Frame() << "\n";
    out << "checksum: " << Hex(player.FinalChecksum()) << "\n";
    out << "time: " << std::fixed << std::setprecision(2) << seconds << " s ("
        << static_cast<long>(player.Frame() / std::max(seconds, 1e-6)) << " frames a second)\n";
    if (player.CampaignDiffers()) err << "karvelun-levels: recorded with another campaign\n";
    if (!ended) err << "karvelun-levels: " << recordingFile << ": " << player.Why() << "\n";
    return ended && !player.CampaignDiffers() ? 0 : 2;
}

int RecordPlaythroughCommand(const CommandLine& line, std::ostream& out, std::ostream& err) {
    const std::string& campaignFile = line.Path(0);
    const uint64_t seed = static_cast<uint64_t>(line.Number("--seed").value_or(1));
    std::vector<uint8_t> campaignBytes;
    game::PackageRecord package;
    if (!game::ReadWholeFile(campaignFile, campaignBytes) || !ReadPackage(campaignBytes, package)) {
        err << "karvelun-levels: " << campaignFile << ": not a campaign\n";
        return 1;
    }
    CampaignRoutes routes(package, {});
    const auto route = routes.RouteToEnding();
    if (!route) {
        err << "karvelun-levels: no way from level 0 to the end of the game\n";
        return 1;
    }

    const fs::path target = line.Path(1);
    const fs::path partial = target.string() + ".partial";
    uint32_t frames = 0;
    {
        HeadlessGame game;
        game::WriteWholeFile(game::CampaignPackagePath(), campaignBytes, false);
        game::TickDelay = 0;
        game::CheatMode = true;
        if (!game.NewGame()) {
            err << "karvelun-levels: the campaign cannot be started\n";
            return 1;
        }
        auto sink = std::make_unique<replay::FileSink>(partial.string());
        if (!sink->Ok()) {
            err << "karvelun-levels: " << partial.string() << ": cannot be written\n";
            return 1;
        }
        replay::StartState start;
        start.campaignCrc = replay::CampaignCrc();
        replay::Recorder recorder(std::move(sink), start, seed);
        game::SetPlayObserver(&recorder);
        PlaythroughBot bot(*route, {});
        game.Play([&] { return bot.BeforeFrame(); });
        game::SetPlayObserver(nullptr);
        frames = recorder.Frames();
        if (!recorder.Finished()) recorder.Finish(game::GameEnd::Left);
        if (!bot.Done() || !recorder.Healthy()) {
            err << "karvelun-levels: the bot did not get through: "
                << (bot.Failure().empty() ? "the recording could not be written" : bot.Failure())
                << "\n";
            std::error_code ec;
            fs::remove(partial, ec);
            return 1;
        }
    }
    std::error_code ec;
    fs::rename(partial, target, ec);
    if (ec) {
        err << "karvelun-levels: " << target.string() << ": cannot be written\n";
        return 1;
    }
    out << "recorded " << frames << " frames into " << target.string() << "\n";
    return 0;
}

}  // namespace levels_tool
