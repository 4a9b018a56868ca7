// The records of the campaign's playthrough, recomputed from its recording:
// every act, an ending at the recording's own frame count, an achievement.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>

#include "game/platform/file_io.h"
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
