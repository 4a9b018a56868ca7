// The game window on the screen this run was given (--screen=WxH, an
// offscreen screen of that many pixels): small full screens are filled at a
// factor that is not whole, drawn sharp; windows and larger screens keep
// their whole scale.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <cstring>

#include "game/desktop/view.h"
#include "game/platform/pixel_scaler.h"
#include "support/screen_test_main.h"
#include "windows/game_window_test.h"

namespace {

using namespace game;
using platform::View;

QSize gScreen(1280, 800);

struct ScreenCase {
    QSize screen;
    bool fullScreen;
    int whole;  // the whole scale, or the whole part of the filling factor
    bool fills;
    // Full screen: the least share of the screen's height the content
    // covers, and the least height of the log's capitals.
    double heightShare = 0;
    int capitals = 0;
};
// Automatic scale on each screen the run may be given.
const ScreenCase kCases[] = {
    {{1280, 800}, true, 1, true, 0.95, 12},  // the handheld: filled
    {{1366, 768}, true, 1, true, 0.95, 12},  // a small laptop: filled
    {{1280, 800}, false, 1, false},          // a window stays sharp at 1x
    {{1024, 768}, false, 1, false},          // too small for 2x: 1x
    {{1024, 768}, true, 1, true, 0.85, 10},  // full screen there fills its width
    {{1920, 1080}, false, 2, false},         // 2x as ever
    {{1920, 1080}, true, 2, false, 0.95, 16},
};

class ScreenFill : public core_testing::GameWindowTest {
  protected:
    void TearDown() override {
        View::Instance().Configure(0, false);
        GameWindowTest::TearDown();
    }
    void Show(bool fullScreen) {
        View::Instance().Configure(0, fullScreen);
        QApplication::processEvents();
    }
    // The device pixels of the content (the window's own pixels here).
    QRect Content() const {
        const platform::ViewPlacement& view = windows->form1().Placement();
        return QRect(view.UnitsX(0), view.UnitsY(0), view.DevicePixelsOf(779),
                     view.DevicePixelsOf(516));
    }
    // How tall a capital letter of the log is on the screen.
    int CapitalHeight() {
        QPlainTextEdit& log = *form().Text1;
        log.setPlainText(QStringLiteral("HHHH"));
        QApplication::processEvents();
        const QImage shown = log.grab().toImage().convertToFormat(QImage::Format_RGB32);
        int top = -1, bottom = -1;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width() - 30; ++x)  // not the scroll bar
                if (qGray(shown.pixel(x, y)) > 128) {
                    if (top < 0) top = y;
                    bottom = y;
                    break;
                }
        return top < 0 ? 0 : bottom - top + 1;
    }
    // The field as shown is the frame filled sharp to its place.
    void ExpectFilledSharp() {
        ASSERT_TRUE(form().Placement().Fills());
        for (int i = 0; i < kTileCount; ++i) {
            Tiles[i].Revealed = kTrue;
            Tiles[i].Picture = static_cast<int16_t>(1 + i % 5);
        }
        HeroX = 200;
        HeroY = 220;
        for (int step = 0; step < 3; ++step, HeroX += 3) {
            windows->DrawFrame();
            const QImage& frame = form().FieldImage();
            const QSize place = form().Picture1->size();
            QImage expected(place, QImage::Format_RGB32);
            platform::FillPixels(reinterpret_cast<const uint32_t*>(frame.constBits()),
                                 frame.bytesPerLine() / 4, frame.width(), frame.height(),
                                 reinterpret_cast<uint32_t*>(expected.bits()),
                                 expected.bytesPerLine() / 4, place.width(), place.height());
            ASSERT_EQ(form().Picture1->Shown(), expected);
            EXPECT_EQ(form().Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32),
                      expected);
        }
    }
};

TEST_F(ScreenFill, SmallFullScreensFillAndEverythingElseKeepsItsWholeScale) {
    for (const ScreenCase& c : kCases) {
        if (c.screen != gScreen) continue;
        SCOPED_TRACE(testing::Message() << (c.fullScreen ? "full screen" : "window"));
        Show(c.fullScreen);
        const platform::ViewPlacement& view = form().Placement();
        EXPECT_EQ(view.scale, c.whole);
        EXPECT_EQ(view.Fills(), c.fills);
        EXPECT_EQ(form().isFullScreen(), c.fullScreen);
        if (!c.fullScreen) continue;
        // Filling, the content covers the screen's height or width; it is
        // centred.
        const QRect content = Content();
        if (c.fills) {
            EXPECT_TRUE(content.height() >= gScreen.height() - 1 ||
                        content.width() >= gScreen.width() - 1)
                << content.width() << " x " << content.height();
        }
        EXPECT_GE(content.height(), c.heightShare * gScreen.height());
        EXPECT_LE(std::abs(content.center().x() - gScreen.width() / 2), 1);
        EXPECT_LE(std::abs(content.center().y() - gScreen.height() / 2), 1);
        EXPECT_GE(CapitalHeight(), c.capitals);
    }
}

// Filling (chosen, so on every screen), the field shows its frame filled
// sharp from the frame's own pixels, exactly as large as its place on the
// screen, and keeps doing so as frames change a little: chosen while the
// game runs, and chosen before the windows were made, as at a start in
// full screen from setup.ini.
TEST_F(ScreenFill, AFilledFieldIsTheFrameFilledSharpToItsPlace) {
    for (const bool atStart : {false, true}) {
        SCOPED_TRACE(atStart ? "chosen before the windows" : "chosen in the game");
        View::Instance().Configure(0, false);
        QApplication::processEvents();
        if (atStart) {
            View::Instance().Configure(platform::kFillChoice, true);
            SetWindows(nullptr);
            windows.reset();
            windows = std::make_unique<WindowSet>();
            SetWindows(windows.get());
            form().show();
        } else {
            View::Instance().Configure(platform::kFillChoice, true);
        }
        QApplication::processEvents();
        ExpectFilledSharp();
    }
}

}  // namespace

int main(int argc, char** argv) {
    return testing_support::RunTestsOnScreen(argc, argv, gScreen);
}
