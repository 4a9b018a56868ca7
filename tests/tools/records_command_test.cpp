// The records of the campaign's playthrough, recomputed from its recording:
// every act, an ending at the recording's own frame count, an achievement;
// and the records window's marks from those lines.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>

#include "game/platform/file_io.h"
#include "game/records/record_check.h"
#include "game/records/run_figures.h"
#include "game/replay/recording_format.h"
#include "tools/levels/cli/level_tool.h"

namespace {

std::vector<std::string> Lines(const std::string& text, const std::string& prefix) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(prefix, 0) == 0) lines.push_back(line);
    return lines;
}

// "H:MM:SS.ss" in hundredths.
long Hundredths(const std::string& time) {
    int h = 0, m = 0, s = 0, c = 0;
    EXPECT_EQ(std::sscanf(time.c_str(), "%d:%d:%d.%d", &h, &m, &s, &c), 4) << time;
    return ((h * 60L + m) * 60 + s) * 100 + c;
}

TEST(RecordsCommand, ThePlaythroughsRecordsComeFromItsRecording) {
    const std::string recording = KARVELUN_CAMPAIGN_DIR "/playthrough.rec";
    const std::string campaign = KARVELUN_DIST_DIR "/data/levels.all";
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(game::ReadWholeFile(recording, bytes, 1u << 30));
    const replay::Recording parsed = replay::ParseRecording(bytes);
    ASSERT_TRUE(parsed.end);

    std::ostringstream out, err;
    ASSERT_EQ(levels_tool::RunLevelTool({"records", recording, "--campaign", campaign}, out, err),
              0)
        << err.str();
    const std::string text = out.str();
    EXPECT_EQ(Lines(text, "act ").size(), 10u) << text;
    // From the first level to the last hall, in the order reached.
    const std::vector<std::string> levels = Lines(text, "level ");
    ASSERT_GE(levels.size(), 10u) << text;
    EXPECT_EQ(levels.front().rfind("level 0: ", 0), 0u) << text;
    EXPECT_EQ(levels.back().rfind("level 80: ", 0), 0u) << text;
    const std::vector<std::string> ending = Lines(text, "ending: ");
    ASSERT_EQ(ending.size(), 1u) << text;
    // Frames at sixty a second: the recording's own count, within one frame
    // (the frame the cave ends in is not one of play).
    const long shown = Hundredths(ending[0].substr(8));
    const double counted = parsed.end->frames * 100.0 / 60.0;
    EXPECT_LE(std::abs(shown - counted), 100.0 / 60.0 + 0.5) << ending[0];
    EXPECT_FALSE(Lines(text, "achievement: ").empty()) << text;

    // A record is verified only when the recordings give its own figures.
    const game::RecordsOutput output = Lines(text, "");
    const auto framesShown = [](const std::string& time) {
        const long shown = Hundredths(time);
        for (uint64_t f = shown * 60 / 100 - 2; f <= uint64_t(shown * 60 / 100 + 2); ++f)
            if (game::HoursText(f) == time) return f;
        ADD_FAILURE() << time;
        return uint64_t{0};
    };
    const uint64_t caveFrames = framesShown(ending[0].substr(8));
    const std::string actOne = Lines(text, "act I: ")[0];
    const uint64_t actOneFrames = framesShown(actOne.substr(12, actOne.find(',') - 12));
    const std::vector<std::string> named{"20261209-130000"};
    const game::Achievement* earned = game::AchievementById("cave-normal");
    const game::Achievement* notEarned = game::AchievementById("cave-easy");
    ASSERT_TRUE(earned && notEarned);
    struct Case {
        const char* what;
        int scope;
        bool fastest;
        game::BestRecord best;
        bool verified;
    };
    const Case cases[] = {
        {"the cave's time", game::kWholeCave, true, {caveFrames, caveFrames, 1, 0, named}, true},
        {"a second off",
         game::kWholeCave,
         true,
         {caveFrames + 60, caveFrames + 60, 1, 0, named},
         false},
        {"a frame off",
         game::kWholeCave,
         true,
         {caveFrames + 1, caveFrames + 1, 1, 0, named},
         false},
        {"no recording named", game::kWholeCave, true, {caveFrames, caveFrames, 1, 0, {}}, false},
        {"the cave's deaths", game::kWholeCave, false, {0, caveFrames, 1, 0, named}, true},
        {"a death more", game::kWholeCave, false, {1, caveFrames, 1, 0, named}, false},
        {"act I's time", 0, true, {actOneFrames, actOneFrames, 1, 0, named}, true},
        {"act I's deaths", 0, false, {0, actOneFrames, 1, 0, named}, true},
        {"act I's time for act II", 1, true, {actOneFrames, actOneFrames, 1, 0, named}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(game::BestAgrees(c.scope, c.fastest, c.best, output), c.verified) << c.what;
        EXPECT_FALSE(game::BestAgrees(c.scope, c.fastest, c.best, {})) << c.what << ", unplayed";
    }
    EXPECT_TRUE(game::AchievementAgrees(*earned, output));
    EXPECT_FALSE(game::AchievementAgrees(*notEarned, output));
    EXPECT_FALSE(game::AchievementAgrees(*earned, {}));

    // A recording that does not verify: a clear error and replay's status.
    std::vector<uint8_t> cut(bytes.begin(), bytes.end() - 40);
    const std::string cutPath = ::testing::TempDir() + "/cut-playthrough.rec";
    ASSERT_TRUE(game::WriteWholeFile(cutPath, cut, false));
    std::ostringstream cutOut, cutErr;
    EXPECT_EQ(
        levels_tool::RunLevelTool({"records", cutPath, "--campaign", campaign}, cutOut, cutErr), 2);
    EXPECT_NE(cutErr.str().find("does not verify"), std::string::npos) << cutErr.str();
    EXPECT_EQ(cutOut.str(), "");
}

}  // namespace
