#include <gtest/gtest.h>

#include "game/levels/keyed_string.h"
#include "game/platform/random.h"
#include "levels/levels_test.h"

namespace {

using namespace game;
using levels_test::PutInt16;
using levels_test::PutKeyed;

std::string RoundTrip(const std::string& text, int16_t key) {
    ByteWriter out;
    WriteKeyedString(out, text, key);
    ByteReader in(out.Bytes());
    std::string back;
    EXPECT_TRUE(ReadKeyedString(in, back));
    EXPECT_EQ(in.Remaining(), 0u);
    return back;
}

TEST(KeyedString, StoresWindows1250CodesPlusTheKey) {
    ByteWriter out;
    WriteKeyedString(out, "Ař", 7);
    // Length 2, key 7, 'A' = 65 + 7, 'ř' = 0xF8 + 7.
    const std::vector<uint8_t> expected = {2, 0, 7, 0, 72, 0, 0xFF, 0};
    EXPECT_EQ(out.Bytes(), expected);

    ByteWriter empty;
    WriteKeyedString(empty, "", 3);
    EXPECT_EQ(empty.Bytes(), (std::vector<uint8_t>{0, 0, 3, 0}));
}

TEST(KeyedString, CzechTextsSurviveWithAnyKey) {
    const std::string text = "Příliš žluťoučký kůň úpěl ďábelské ódy – „ŘĚŮ“";
    for (int16_t key : {0, 1, 11, 101, 5000, 32512})
        EXPECT_EQ(RoundTrip(text, key), text) << "key " << key;
}

TEST(KeyedString, ReadersAcceptKeysNoWriterWouldChoose) {
    std::vector<uint8_t> bytes;
    PutKeyed(bytes, "level3", -1200);
    ByteReader in(bytes);
    std::string text;
    ASSERT_TRUE(ReadKeyedString(in, text));
    EXPECT_EQ(text, "level3");
}

TEST(KeyedString, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(RoundTrip("Hra 日本 ☺", 4), "Hra ?? ?");
    // Broken UTF-8 must not break the writer either.
    EXPECT_EQ(RoundTrip(std::string("a\xC3", 2), 4), "a?");
}

TEST(KeyedString, OverlongTextsAreCutToWhatTheLengthCanHold) {
    const std::string text(40000, 'x');
    EXPECT_EQ(RoundTrip(text, 1), std::string(kMaxKeyedStringLength, 'x'));
}

TEST(KeyedString, RefusesDamage) {
    auto refused = [](const std::vector<uint8_t>& bytes) {
        ByteReader in(bytes);
        std::string text = "unchanged";
        return !ReadKeyedString(in, text);
    };
    std::vector<uint8_t> negative;
    PutInt16(negative, -1);
    PutInt16(negative, 0);
    EXPECT_TRUE(refused(negative));

    std::vector<uint8_t> tooLong;  // says 30000 characters, holds two
    PutInt16(tooLong, 30000);
    PutInt16(tooLong, 0);
    PutInt16(tooLong, 65);
    PutInt16(tooLong, 66);
    EXPECT_TRUE(refused(tooLong));

    for (int16_t code : {-1, 256, 32767}) {
        std::vector<uint8_t> outside;
        PutInt16(outside, 1);
        PutInt16(outside, 0);
        PutInt16(outside, code);
        EXPECT_TRUE(refused(outside)) << code;
    }
    std::vector<uint8_t> belowKey;  // 5 - 10 = -5
    PutInt16(belowKey, 1);
    PutInt16(belowKey, 10);
    PutInt16(belowKey, 5);
    EXPECT_TRUE(refused(belowKey));

    EXPECT_TRUE(refused({}));
    EXPECT_TRUE(refused({1, 0, 0}));
}

TEST(KeyedString, WritersKeysStayInTheirRanges) {
    platform::Randomize(99);
    int lowHeader = 1000, highHeader = -1, lowTile = 1000, highTile = -1, lowSave = 1000,
        highSave = -1;
    for (int i = 0; i < 20000; ++i) {
        int h = LevelHeaderKey(), t = TileTextKey(), s = SaveHeaderKey();
        lowHeader = std::min(lowHeader, h), highHeader = std::max(highHeader, h);
        lowTile = std::min(lowTile, t), highTile = std::max(highTile, t);
        lowSave = std::min(lowSave, s), highSave = std::max(highSave, s);
    }
    EXPECT_EQ(lowHeader, 1);
    EXPECT_EQ(highHeader, 101);
    EXPECT_EQ(lowTile, 1);
    EXPECT_EQ(highTile, 11);
    EXPECT_EQ(lowSave, 0);
    EXPECT_EQ(highSave, 99);
}

}  // namespace
