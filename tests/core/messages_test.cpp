#include <gtest/gtest.h>

#include "game/core/game_state.h"
#include "game/core/messages.h"
#include "support/game_test.h"

namespace {

using namespace game;
class MessagesTest : public testing_support::GameTest {};

TEST_F(MessagesTest, FloatTextIsCentredAndStartsTwentyPixelsHigher) {
    windows.textWidthPerChar = 5;
    AddFloatText(100.0f, 100.0f, "Síla +2", Rgb(255, 100, 0));
    ASSERT_EQ(FloatTextCount, 1);
    const FloatText& t = FloatTexts[0];
    EXPECT_FLOAT_EQ(t.X, 100.0f - 35.0f / 2.0f);  // 7 characters of 5 px
    EXPECT_FLOAT_EQ(t.Y, 80.0f);
    EXPECT_EQ(t.Age, 0);
    EXPECT_EQ(t.Colour, 255 + 100 * 256);
    EXPECT_EQ(t.Text, "Síla +2");
}

TEST_F(MessagesTest, LogLinesGoToTheBottom) {
    AddLogLine("první");
    AddLogLine("druhá");
    EXPECT_EQ(windows.log, (std::vector<std::string>{"", "první", "druhá"}));
}

TEST_F(MessagesTest, ALogOfMoreThanTenThousandLinesIsEmptiedFirst) {
    windows.log.assign(10000, "x");  // exactly 10 000 lines: kept
    AddLogLine("a");
    EXPECT_EQ(windows.log.size(), 10001u);
    EXPECT_FALSE(windows.Called("ClearLog"));
    AddLogLine("b");  // now more than 10 000: emptied, then the line
    EXPECT_TRUE(windows.Called("ClearLog"));
    EXPECT_EQ(windows.log, (std::vector<std::string>{"", "b"}));
}

}  // namespace
