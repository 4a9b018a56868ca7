// The game's windows on a 3840 x 2160 screen at pixel ratio 2 (the toolkit
// counts 1920 x 1080 units): the scale counts device pixels, so every game
// pixel is 4 device pixels, 2 units; the play field is drawn pixel for pixel
// without the toolkit scaling it again; the pointer lands on what it is over.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

#include "game/desktop/view.h"
#include "game/menu/menu_rules.h"
#include "game/windows/game_window.h"
#include "game/windows/menu_window.h"
#include "support/offscreen_screen.h"
#include "support/test_images.h"

namespace {

using testing_support::Enlarged;
using testing_support::Noise;

using platform::View;

class HiDpiScreen : public testing::Test {
  protected:
    void TearDown() override { View::Instance().Configure(0, false); }
};

TEST_F(HiDpiScreen, TheScaleCountsDevicePixels) {
    QScreen* screen = View::Instance().Screen();
    ASSERT_EQ(screen->devicePixelRatio(), 2.0);
    ASSERT_EQ(screen->geometry().size(), QSize(1920, 1080));
    View::Instance().Configure(0, false);
    EXPECT_EQ(View::Instance().Scale(), 4);
    EXPECT_EQ(View::Instance().PixelRatio(), 2.0);
    View::Instance().Configure(0, true);
    EXPECT_EQ(View::Instance().Scale(), 4);
    // A chosen scale is in device pixels too.
    View::Instance().Configure(3, false);
    EXPECT_EQ(View::Instance().Scale(), 3);
}

TEST_F(HiDpiScreen, TheFieldIsDrawnPixelForPixelAtFourDevicePixelsAGamePixel) {
    View::Instance().Configure(0, false);
    game::Form1 form;
    form.show();
    QApplication::processEvents();
    EXPECT_EQ(form.size(), QSize(1558, 1032));
    EXPECT_EQ(form.Picture1->geometry(), QRect(16, 16, 1000, 1000));
    EXPECT_EQ(form.Label4[0]->font().pixelSize(), 22);

    const QImage frame = Noise(QSize(500, 500), 3);
    form.Picture1->Present(frame);
    const QImage expected = Enlarged(frame, 4);
    EXPECT_EQ(form.Picture1->Shown(), expected);
    QPixmap onScreen = form.Picture1->grab();
    EXPECT_EQ(onScreen.devicePixelRatio(), 2.0);
    EXPECT_EQ(onScreen.toImage().convertToFormat(QImage::Format_RGB32), expected);
}

TEST_F(HiDpiScreen, ThePointerChoosesTheMenuItemItIsOver) {
    View::Instance().Configure(0, false);
    game::Form3 menu;
    menu.show();
    QApplication::processEvents();
    EXPECT_EQ(menu.size(), QSize(966, 832));
    for (int16_t ix = 0; ix < game::kMenuItemCount; ++ix) {
        const game::Rect& area = game::kMenuLayout[ix].hitArea;
        // The last unit of the item's area: two units to a game pixel.
        QTest::mouseMove(&menu, QPoint(area.Right * 2 - 1, area.Bottom * 2 - 1));
        EXPECT_EQ(menu.Items.Selected, ix);
        EXPECT_TRUE(menu.Items.Highlighted[ix]);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // An offscreen screen of 1920 x 1080 units at pixel ratio 2.
    QTemporaryDir folder;
    if (!testing_support::UseOffscreenScreen(folder, 1920, 1080, 2)) return 2;
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
