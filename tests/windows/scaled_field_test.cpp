// The game window at the view's scales: the play field shows the frame it
// composed at its own 500 x 500 pixels with every pixel repeated s x s (the
// pictures and the floating texts alike), repaints only what a frame
// changed, dims it whole while the game stands, and the status panel and
// the log grow with their fonts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>

#include "game/core/game_state.h"
#include "game/core/messages.h"
#include "game/desktop/fonts.h"
#include "game/desktop/view.h"
#include "game/windows/game_window.h"
#include "game/windows/window_style.h"
#include "support/test_images.h"
#include "windows/game_window_test.h"

namespace {

using testing_support::Enlarged;

using namespace game;

class ScaledField : public core_testing::GameWindowTest, public testing::WithParamInterface<int> {
  protected:
    void SetUp() override {
        // The scale is known before the windows are made, as at start-up.
        platform::View::Instance().Configure(GetParam(), false);
        GameWindowTest::SetUp();
        // A revealed level with a monster, an item and a text over it.
        for (int i = 0; i < kTileCount; ++i) {
            Tiles[i].Revealed = kTrue;
            Tiles[i].Picture = static_cast<int16_t>(1 + i % 5);
        }
        HeroX = 200;
        HeroY = 220;
        AddFloatText(240, 300, "Zlato +5", Rgb(255, 255, 0));
        QApplication::processEvents();
    }
    void TearDown() override {
        GameWindowTest::TearDown();
        platform::View::Instance().Configure(0, false);
    }
    int Scale() const { return GetParam(); }
    QImage FieldOnScreen() {
        return form().Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    void ExpectFieldShowsTheFrameEnlarged() {
        const QImage expected = Enlarged(form().FieldImage(), Scale());
        EXPECT_EQ(form().Picture1->Shown(), expected);
        EXPECT_EQ(FieldOnScreen(), expected);
    }
};

TEST_P(ScaledField, TheFieldShowsTheFrameWithEveryPixelRepeated) {
    windows->DrawFrame();
    ExpectFieldShowsTheFrameEnlarged();

    // The next frames change a little: the hero walks, the text rises.
    for (int step = 0; step < 3; ++step) {
        HeroX += 3;
        FloatTexts[0].Y -= 1;
        windows->DrawFrame();
        ExpectFieldShowsTheFrameEnlarged();
    }
}

TEST_P(ScaledField, ANewScaleShowsTheLastFrameAtOnce) {
    windows->DrawFrame();
    const QImage frame = form().FieldImage().copy();
    const int next = Scale() % 4 + 1;
    platform::View::Instance().Configure(next, false);
    EXPECT_EQ(form().Picture1->Shown(), Enlarged(frame, next));
    EXPECT_EQ(form().Picture1->geometry(), QRect(QPoint(8, 8) * next, QSize(500, 500) * next));
}

// At scale 1 the field shows the frame's own pixels, without a copy: the
// frames after a change of scale are shown right, and a frame whose pixels
// are freed (the shut-down) stays shown as it was.
TEST_P(ScaledField, AtScaleOneTheFieldShowsTheFrameItselfAndKeepsItWhenFreed) {
    windows->DrawFrame();
    platform::View::Instance().Configure(1, false);
    EXPECT_EQ(form().Picture1->Shown(), form().FieldImage());
    for (int step = 0; step < 2; ++step) {
        HeroX += 3;
        FloatTexts[0].Y -= 1;
        windows->DrawFrame();
        EXPECT_EQ(form().Picture1->Shown(), form().FieldImage());
        EXPECT_EQ(FieldOnScreen(), form().FieldImage());
    }
    const QImage last = form().FieldImage().copy();
    form().ReleasePlayField();
    EXPECT_EQ(form().Picture1->Shown(), last);
    EXPECT_EQ(FieldOnScreen(), last);
    // Back at the test's scale, the next frame is enlarged whole.
    platform::View::Instance().Configure(Scale(), false);
    HeroX += 3;
    windows->DrawFrame();
    ExpectFieldShowsTheFrameEnlarged();
}

// A field made larger than its last frame (full screen before the next
// frame is enlarged) paints every pixel it owns: black beyond the frame,
// never what a window over it left there.
TEST_P(ScaledField, AFieldLargerThanItsFrameIsBlackBeyondIt) {
    windows->DrawFrame();
    PlayField& field = *form().Picture1;
    field.resize(field.size() + QSize(40, 40));
    QImage painted(field.size(), QImage::Format_RGB32);
    const QColor leftOver(255, 128, 0);
    painted.fill(leftOver);
    field.render(&painted, QPoint(), QRegion(), QWidget::DrawChildren);
    const QImage frame = Enlarged(form().FieldImage(), Scale());
    const QPoint last(field.width() - 1, field.height() - 1);
    EXPECT_EQ(painted.pixel(0, 0), frame.pixel(0, 0));
    EXPECT_EQ(painted.pixel(last), QColor(Qt::black).rgb());
    EXPECT_EQ(painted.pixel(0, last.y()), QColor(Qt::black).rgb());
}

TEST_P(ScaledField, AStandingGameDimsTheWholeShownField) {
    windows->DrawFrame();
    Paused = true;
    form().Picture1->FollowPause();
    const QImage shown = FieldOnScreen();
    const QImage frame = Enlarged(form().FieldImage(), Scale());
    ASSERT_EQ(shown.size(), frame.size());
    // Every corner of the shown field is darker than the frame under it.
    const int last = 500 * Scale() - 1;
    for (QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
        EXPECT_LT(qGray(shown.pixel(corner)), qGray(frame.pixel(corner)))
            << corner.x() << ", " << corner.y();
    // The frame itself is untouched and shows as it was once time runs.
    EXPECT_EQ(form().Picture1->Shown(), frame);
    Paused = false;
    form().Picture1->FollowPause();
    EXPECT_EQ(FieldOnScreen(), frame);
}

TEST_P(ScaledField, TheLogAndTheStatusPanelGrowWithTheirFonts) {
    const int s = Scale();
    EXPECT_EQ(form().size(), QSize(779, 516) * s);
    EXPECT_EQ(form().Text1->geometry(), QRect(QPoint(520, 8) * s, QSize(249, 97) * s));
    EXPECT_EQ(form().Text1->font().pixelSize(), 11 * s);
    EXPECT_EQ(form().Label6[6]->geometry(), QRect(QPoint(538, 410) * s, QSize(78, 19) * s));
    EXPECT_EQ(form().Label6[6]->font().pixelSize(), 11 * s);
    EXPECT_EQ(form().LogicalGeometry(form().Label6[6]), QRect(538, 410, 78, 19));
    // A long log's scroll bar is as wide as the scale makes it.
    for (int i = 0; i < 60; ++i)
        form().Text1->appendPlainText(QStringLiteral("řádek %1").arg(i));
    QApplication::processEvents();
    ASSERT_TRUE(form().Text1->verticalScrollBar()->isVisible());
    EXPECT_EQ(form().Text1->verticalScrollBar()->width(), kStoneScrollBarWidth * s);
    // The floating texts keep the field's own font: they are printed into
    // the frame and enlarged with it.
    QFont fieldFont = platform::GameFont(8.25);
    fieldFont.setStyleStrategy(QFont::NoAntialias);
    EXPECT_EQ(form().TextWidth("WWWW"), QFontMetrics(fieldFont).horizontalAdvance("WWWW"));
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledField, testing::Values(1, 2, 3, 4));

}  // namespace
