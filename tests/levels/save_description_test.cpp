// A save's description: what is written reads back, damage of any kind is
// refused (the save is then listed by its name alone), and the thumbnail is
// the field averaged down to a quarter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/levels/save_description.h"

namespace {

using namespace game;

std::vector<uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

TEST(SaveDescription, WhatIsWrittenReadsBackAndDamageIsRefused) {
    SaveDescription written;
    written.level = 12;
    written.levelName = "Vodopád";
    written.writtenAt = 1765000000;
    written.playFrames = 216000;
    written.autosaveNumber = 9;
    written.thumbnail = {2, 1, {0xFF102030u, 0xFFA0B0C0u}};
    const std::vector<uint8_t> bytes = FormatSaveDescription(written);
    EXPECT_EQ(ParseSaveDescription(bytes), written);
    written.playFrames.reset();
    written.autosaveNumber = 0;
    EXPECT_EQ(ParseSaveDescription(FormatSaveDescription(written)), written);
    // The easy game says so in a line of its own; a normal one writes none.
    const std::vector<uint8_t> normalBytes = FormatSaveDescription(written);
    const std::string normal(normalBytes.begin(), normalBytes.end());
    written.difficulty = Difficulty::kEasy;
    const std::vector<uint8_t> easy = FormatSaveDescription(written);
    EXPECT_EQ(ParseSaveDescription(easy), written);
    EXPECT_EQ(std::string(easy.begin(), easy.end()), normal.substr(0, normal.find("\n\n")) +
                                                         "\ndifficulty=easy" +
                                                         normal.substr(normal.find("\n\n")));

    const std::string head = "karvelun save description 1\nlevel=3\nwritten=5\n";
    const std::string picture = "P6 1 1 255\n\x01\x02\x03";
    // Later versions may add keys; this one skips them, and a difficulty it
    // does not know is the normal game.
    EXPECT_TRUE(ParseSaveDescription(Bytes(head + "weather=x\n\n" + picture)));
    const auto harder = ParseSaveDescription(Bytes(head + "difficulty=hard\n\n" + picture));
    ASSERT_TRUE(harder);
    EXPECT_EQ(harder->difficulty, Difficulty::kNormal);
    // Any of the campaign's lines alone writes back as it was read.
    const auto alone = ParseSaveDescription(Bytes(head + "campaignname=Vodopád\n\n" + picture));
    ASSERT_TRUE(alone);
    EXPECT_EQ(ParseSaveDescription(FormatSaveDescription(*alone)), alone);
    const struct {
        const char* why;
        std::string text;
    } damaged[] = {
        {"another title", "karvelun save description 2\nlevel=3\nwritten=5\n\n" + picture},
        {"no level", "karvelun save description 1\nwritten=5\n\n" + picture},
        {"a negative level", "karvelun save description 1\nlevel=-1\nwritten=5\n\n" + picture},
        {"not a number", head + "played=12a\n\n" + picture},
        {"a line without =", head + "level\n\n" + picture},
        {"a control character", head + "name=a\tb\n\n" + picture},
        {"no end of the lines", head},
        {"no picture", head + "\n"},
        {"a picture cut short", head + "\nP6 1 1 255\n\x01\x02"},
        {"a picture too long", head + "\n" + picture + "x"},
        {"a picture of no size", head + "\nP6 0 1 255\n"},
        {"a huge picture", head + "\nP6 100000 100000 255\n\x01\x02\x03"},
        {"another depth", head + "\nP6 1 1 65535\n\x01\x02\x03"},
    };
    for (const auto& d : damaged)
        EXPECT_FALSE(ParseSaveDescription(Bytes(d.text))) << d.why;
    // Cut anywhere, a description never reads.
    for (size_t size = 0; size < bytes.size(); ++size)
        ASSERT_FALSE(ParseSaveDescription({bytes.begin(), bytes.begin() + size})) << size;
}

TEST(SaveDescription, TheThumbnailAveragesEachBlockOfFourByFour) {
    platform::PixelSurface field(8, 4, 0xFF000000u);
    // The left block: half white, half black, rounds to 128; the right one
    // a single red pixel in sixteen: 255 / 16 rounds to 16.
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 2; ++x)
            field.at(x, y) = 0xFFFFFFFFu;
    field.at(7, 3) = 0xFFFF0000u;
    const SaveThumbnail thumbnail = QuarterThumbnail(field);
    EXPECT_EQ(thumbnail.width, 2);
    EXPECT_EQ(thumbnail.height, 1);
    EXPECT_EQ(thumbnail.pixels, (std::vector<uint32_t>{0xFF808080u, 0xFF100000u}));
}

TEST(SaveDescription, ItsFileNameNeverLooksLikeASaveAndNamesDoNotMeet) {
    EXPECT_EQ(DescriptionFileName("hra"), "about/687261.desc");
    // Letter case and bytes beyond ASCII give names of their own.
    EXPECT_NE(DescriptionFileName("Hra"), DescriptionFileName("hra"));
    EXPECT_EQ(DescriptionFileName("ú"), "about/c3ba.desc");
}

}  // namespace
