// The game's command line: a recording to watch at its speed, a level to try
// with its start tile, and every mistake refused with a message (main then
// ends with status 2).
#include <gtest/gtest.h>

#include "game/app/launch_options.h"

namespace {

using platform::ParseLaunchOptions;

TEST(LaunchOptions, ALevelWithOrWithoutItsStartTile) {
    QString error;
    auto plain = ParseLaunchOptions({"karvelun"}, &error);
    ASSERT_TRUE(plain);
    EXPECT_TRUE(plain->levelFile.empty());
    EXPECT_FALSE(plain->startTile);

    auto tried =
        ParseLaunchOptions({"karvelun", "--level", "mapy/úroveň 3.tmx", "--tile", "624"}, &error);
    ASSERT_TRUE(tried);
    EXPECT_EQ(tried->levelFile, "mapy/úroveň 3.tmx");
    EXPECT_EQ(tried->startTile, 624);
    auto joined = ParseLaunchOptions({"karvelun", "--level=level0.txt"}, &error);
    ASSERT_TRUE(joined);
    EXPECT_EQ(joined->levelFile, "level0.txt");
}

TEST(LaunchOptions, ARecordingWithOrWithoutItsSpeed) {
    QString error;
    auto watched = ParseLaunchOptions({"karvelun", "--replay", "hra.rec", "--speed", "0"}, &error);
    ASSERT_TRUE(watched);
    EXPECT_EQ(watched->replayFile, "hra.rec");
    EXPECT_EQ(watched->replaySpeed, 0);
    EXPECT_TRUE(watched->levelFile.empty());
    auto plain = ParseLaunchOptions({"karvelun", "--replay", "hra.rec"}, &error);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->replaySpeed, 1);
}

TEST(LaunchOptions, MistakesAreRefusedWithAMessage) {
    const QStringList wrong[] = {{"karvelun", "--levle", "x.tmx"},
                                 {"karvelun", "--level"},
                                 {"karvelun", "--level", "x.tmx", "--tile", "625"},
                                 {"karvelun", "--level", "x.tmx", "--tile", "-1"},
                                 {"karvelun", "--level", "x.tmx", "--tile", "abc"},
                                 {"karvelun", "--tile", "5"},
                                 {"karvelun", "level0.txt"},
                                 {"karvelun", "--level", ""},
                                 {"karvelun", "--replay", "a.rec", "--speed", "3"},
                                 {"karvelun", "--speed", "2"},
                                 {"karvelun", "--replay", "a.rec", "--tile", "5"},
                                 {"karvelun", "--level", "x.tmx", "--speed", "2"},
                                 {"karvelun", "--replay", "a.rec", "--level", "x.tmx"},
                                 {"karvelun", "--level", "x.tmx", "--replay", "a.rec"}};
    for (const QStringList& args : wrong) {
        QString error;
        EXPECT_FALSE(ParseLaunchOptions(args, &error)) << args.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty()) << args.join(' ').toStdString();
    }
}

}  // namespace
