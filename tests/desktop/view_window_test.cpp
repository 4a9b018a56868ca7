// The common window base offscreen: a window and its controls at every
// scale, its background enlarged pixel for pixel, the pointer in the game's
// pixels, where windows open and stay, and the full screen with its keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "game/desktop/background_window.h"
#include "game/desktop/view.h"
#include "support/test_images.h"

namespace {

using testing_support::Enlarged;
using testing_support::Noise;

using platform::BackgroundWindow;
using platform::View;

class TestWindow : public BackgroundWindow {
  public:
    explicit TestWindow(int width = 100, int height = 60)
        : BackgroundWindow(width, height, QColor(10, 20, 30)) {
        label = new QLabel(QStringLiteral("Životy"), this);
        label->setGeometry(10, 20, 50, 19);
        QFont font = label->font();
        font.setPixelSize(11);
        label->setFont(font);
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
    }
    void Form_MouseMove(float x, float y) override { moves.push_back(QPointF(x, y)); }
    void Form_MouseDown(float x, float y) override { downs.push_back(QPointF(x, y)); }

    QLabel* label;
    std::vector<QPointF> moves, downs;
    std::vector<int> keys;

  protected:
    void keyPressEvent(QKeyEvent* event) override { keys.push_back(event->key()); }
};

class ViewWindowTest : public testing::Test {
  protected:
    void TearDown() override {
        View::Instance().Configure(0, false);
        QApplication::processEvents();
    }
    static void Scale(int scale) { View::Instance().Configure(scale, false); }
    static QRect Screen() { return View::Instance().Screen()->geometry(); }
    static QRect Available() { return View::Instance().Screen()->availableGeometry(); }
    static void Press(QWidget& window, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier,
                      bool autoRepeat = false) {
        QKeyEvent press(QEvent::KeyPress, key, mods, QString(), autoRepeat);
        QApplication::sendEvent(&window, &press);
        QKeyEvent release(QEvent::KeyRelease, key, mods, QString(), autoRepeat);
        QApplication::sendEvent(&window, &release);
    }
};

TEST_F(ViewWindowTest, AtEveryScaleTheWindowAndItsControlsGrowAndTheirFontsWithThem) {
    TestWindow window;
    for (int scale : {1, 2, 3, 4, 2, 1}) {
        Scale(scale);
        window.show();
        EXPECT_EQ(window.Scale(), scale);
        EXPECT_EQ(window.size(), QSize(100, 60) * scale);
        EXPECT_EQ(window.label->geometry(), QRect(10 * scale, 20 * scale, 50 * scale, 19 * scale));
        EXPECT_EQ(window.label->font().pixelSize(), 11 * scale);
        // The form's own layout stays in the game's pixels.
        EXPECT_EQ(window.LogicalGeometry(window.label), QRect(10, 20, 50, 19));
        EXPECT_EQ(window.LogicalSize(), QSize(100, 60));
    }
}

TEST_F(ViewWindowTest, AHiddenWindowTakesTheScaleWhenItIsShown) {
    TestWindow window;
    window.show();
    window.hide();
    Scale(3);
    window.show();
    EXPECT_EQ(window.size(), QSize(300, 180));
    EXPECT_EQ(window.label->geometry().topLeft(), QPoint(30, 60));
}

TEST_F(ViewWindowTest, TheBackgroundIsEnlargedPixelForPixel) {
    // A picture smaller than the window: the window's colour round it.
    QImage picture = Noise(QSize(80, 50), 7);
    QImage logical(100, 60, QImage::Format_RGB32);
    logical.fill(QColor(10, 20, 30));
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 80; ++x)
            logical.setPixel(x, y, picture.pixel(x, y));
    for (int scale : {1, 2, 3}) {
        Scale(scale);
        TestWindow window;
        window.label->hide();
        window.SetBackground(picture);
        window.show();
        EXPECT_EQ(window.ScaledBackground(), Enlarged(logical, scale)) << scale;
        QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown, Enlarged(logical, scale)) << scale;
    }
}

TEST_F(ViewWindowTest, ThePointerReachesTheFormInGamePixels) {
    for (int scale : {1, 2, 3}) {
        Scale(scale);
        TestWindow window;
        window.show();
        // The first and the last device pixel of game pixel (17, 9).
        QTest::mouseMove(&window, QPoint(17 * scale, 9 * scale));
        QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier,
                          QPoint(18 * scale - 1, 10 * scale - 1));
        ASSERT_FALSE(window.moves.empty());
        EXPECT_EQ(window.moves.back(), QPointF(17, 9)) << scale;
        ASSERT_EQ(window.downs.size(), 1u);
        EXPECT_EQ(window.downs[0], QPointF(17, 9)) << scale;
        // The next device pixel is the next game pixel.
        QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(18 * scale, 10 * scale));
        EXPECT_EQ(window.downs.back(), QPointF(18, 10)) << scale;
    }
}

TEST_F(ViewWindowTest, AFirstShowingIsCentredAndAMovedWindowKeepsItsPlace) {
    TestWindow window;
    window.show();
    QApplication::processEvents();
    EXPECT_LE(std::abs(window.frameGeometry().center().x() - Available().center().x()), 3);
    EXPECT_LE(std::abs(window.frameGeometry().center().y() - Available().center().y()), 3);

    window.move(40, 50);
    QApplication::processEvents();
    window.hide();
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(window.pos(), QPoint(40, 50));
}

TEST_F(ViewWindowTest, ANewScaleGrowsAShownWindowRoundItsCentre) {
    TestWindow window;
    window.show();
    window.move(200, 200);
    QApplication::processEvents();
    const QPoint centre = window.geometry().center();
    Scale(3);
    EXPECT_EQ(window.size(), QSize(300, 180));
    EXPECT_LE((window.geometry().center() - centre).manhattanLength(), 2);
}

TEST_F(ViewWindowTest, F11AndAltEnterSwitchTheFullScreenBeforeAnyWindowSeesThem) {
    TestWindow window;
    window.show();
    Press(window, Qt::Key_F11);
    EXPECT_TRUE(View::Instance().FullScreen());
    // A held key switches once.
    Press(window, Qt::Key_F11, Qt::NoModifier, true);
    EXPECT_TRUE(View::Instance().FullScreen());
    Press(window, Qt::Key_Return, Qt::AltModifier);
    EXPECT_FALSE(View::Instance().FullScreen());
    Press(window, Qt::Key_Enter, Qt::AltModifier | Qt::KeypadModifier);
    EXPECT_TRUE(View::Instance().FullScreen());
    Press(window, Qt::Key_F11, Qt::ShiftModifier);
    EXPECT_FALSE(View::Instance().FullScreen());
    EXPECT_TRUE(window.keys.empty());

    // Enter alone and the other keys are the window's.
    Press(window, Qt::Key_Return);
    Press(window, Qt::Key_Escape);
    EXPECT_EQ(window.keys, (std::vector<int>{Qt::Key_Return, Qt::Key_Escape}));
    EXPECT_FALSE(View::Instance().FullScreen());
}

TEST_F(ViewWindowTest, TheSwitchKeysAreNoGameKeys) {
    EXPECT_TRUE(platform::IsFullScreenKey(Qt::Key_F11, Qt::NoModifier));
    EXPECT_TRUE(platform::IsFullScreenKey(Qt::Key_F11, Qt::ControlModifier));
    EXPECT_TRUE(platform::IsFullScreenKey(Qt::Key_Return, Qt::AltModifier));
    EXPECT_TRUE(platform::IsFullScreenKey(Qt::Key_Enter, Qt::AltModifier | Qt::KeypadModifier));
    EXPECT_FALSE(platform::IsFullScreenKey(Qt::Key_Return, Qt::NoModifier));
    EXPECT_FALSE(platform::IsFullScreenKey(Qt::Key_Return, Qt::ControlModifier));
    EXPECT_FALSE(platform::IsFullScreenKey(Qt::Key_F10, Qt::NoModifier));
    EXPECT_FALSE(platform::IsFullScreenKey(Qt::Key_Escape, Qt::NoModifier));
}

TEST_F(ViewWindowTest, InFullScreenAFillingWindowCoversTheScreenWithItsContentCentred) {
    // A whole scale chosen: the full screen takes the largest whole scale
    // (the automatic choice may fill this small screen instead, which the
    // game window's screen tests cover).
    Scale(1);
    TestWindow window;
    window.label->hide();
    window.SetFillsScreen(true);
    QImage picture = Noise(QSize(100, 60), 9);
    window.SetBackground(picture);
    window.show();
    View::Instance().SetFullScreen(true);
    QApplication::processEvents();
    ASSERT_TRUE(window.isFullScreen());
    EXPECT_EQ(window.geometry(), Screen());

    // The game window fits the screen this many times; every window shows at it.
    const int scale = platform::FullScreenScale({Screen().width(), Screen().height()},
                                                View::Instance().ReferenceClient());
    EXPECT_EQ(window.Scale(), scale);
    const QPoint origin((Screen().width() - 100 * scale) / 2, (Screen().height() - 60 * scale) / 2);
    EXPECT_EQ(window.label->geometry(),
              QRect(origin + QPoint(10, 20) * scale, QSize(50, 19) * scale));
    EXPECT_EQ(window.LogicalPoint(origin), QPoint(0, 0));

    QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(0, 0), QColor(Qt::black).rgb());
    EXPECT_EQ(shown.pixel(origin.x() - 1, origin.y()), QColor(Qt::black).rgb());
    EXPECT_EQ(shown.copy(QRect(origin, QSize(100, 60) * scale)), Enlarged(picture, scale));

    // The pointer over the content is in the game's pixels; off it, outside.
    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, origin + QPoint(5, 7) * scale);
    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    ASSERT_EQ(window.downs.size(), 2u);
    EXPECT_EQ(window.downs[0], QPointF(5, 7));
    EXPECT_LT(window.downs[1].x(), 0);
}

TEST_F(ViewWindowTest, LeavingTheFullScreenRestoresSizeAndPlace) {
    Scale(2);
    TestWindow window;
    window.SetFillsScreen(true);
    window.show();
    window.move(30, 40);
    QApplication::processEvents();
    const QRect before = window.geometry();
    View::Instance().SetFullScreen(true);
    QApplication::processEvents();
    ASSERT_TRUE(window.isFullScreen());
    View::Instance().SetFullScreen(false);
    QApplication::processEvents();
    EXPECT_FALSE(window.isFullScreen());
    EXPECT_EQ(window.geometry(), before);
    EXPECT_EQ(window.Scale(), 2);
    EXPECT_EQ(window.label->geometry(), QRect(20, 40, 100, 38));
}

TEST_F(ViewWindowTest, AHiddenFillingWindowShowsInTheModeOfTheMoment) {
    TestWindow window;
    window.SetFillsScreen(true);
    View::Instance().SetFullScreen(true);
    window.show();
    QApplication::processEvents();
    EXPECT_TRUE(window.isFullScreen());
    window.hide();
    View::Instance().SetFullScreen(false);
    window.show();
    QApplication::processEvents();
    EXPECT_FALSE(window.isFullScreen());
    EXPECT_EQ(window.size(), QSize(100, 60));
}

// Every window of the tests that is a window on the screen now.
int ShownTopLevels() {
    int shown = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible()) ++shown;
    return shown;
}

TEST_F(ViewWindowTest, ADialogIsALayerInFullScreenAndAWindowOverItsOwnerAndKeepsItsFocus) {
    TestWindow filler(300, 200);
    filler.SetFillsScreen(true);
    filler.show();
    TestWindow dialog(120, 80);
    auto* field = new QLineEdit(&dialog);
    field->setGeometry(10, 50, 100, 20);
    filler.activateWindow();
    QApplication::processEvents();

    // Opened, then the view switched twice while it stays open.
    for (bool fullScreen : {true, false, true, false}) {
        SCOPED_TRACE(fullScreen ? "full screen" : "window");
        View::Instance().SetFullScreen(fullScreen);
        if (!dialog.isVisible()) {
            dialog.show();
            field->setFocus();
        }
        QApplication::processEvents();
        ASSERT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.isWindow(), !fullScreen);
        EXPECT_EQ(dialog.IsLayer(), fullScreen);
        EXPECT_EQ(ShownTopLevels(), fullScreen ? 1 : 2);
        // The dialog's keyboard stays in its field.
        EXPECT_EQ(dialog.focusWidget(), field);
        if (fullScreen) {
            // Centred inside the filling window at its scale, nothing of
            // the window manager round it.
            EXPECT_EQ(dialog.parentWidget(), &filler);
            EXPECT_EQ(dialog.Placement().Factor(), filler.Placement().Factor());
            EXPECT_LE((dialog.geometry().center() - filler.rect().center()).manhattanLength(), 2);
        } else {
            ASSERT_NE(dialog.windowHandle(), nullptr);
            EXPECT_EQ(dialog.windowHandle()->transientParent(), filler.windowHandle());
            EXPECT_LE((dialog.geometry().center() - filler.geometry().center()).manhattanLength(),
                      2);
        }
        // Keys reach the layer; the window beneath hears none of them.
        filler.keys.clear();
        Press(*field, Qt::Key_F5);
        EXPECT_TRUE(filler.keys.empty());
    }

    // Closed in full screen: the keyboard goes back to the window beneath.
    dialog.hide();
    View::Instance().SetFullScreen(true);
    QApplication::processEvents();
    filler.setFocus();
    dialog.show();
    QApplication::processEvents();
    ASSERT_TRUE(dialog.IsLayer());
    EXPECT_TRUE(dialog.isAncestorOf(filler.focusWidget()));
    dialog.hide();
    QApplication::processEvents();
    EXPECT_EQ(filler.focusWidget(), &filler);
    // The pointer under a layer is the layer's cover's: the window beneath
    // gets no click while a dialog is open.
    dialog.show();
    QApplication::processEvents();
    filler.downs.clear();
    QWidget* under = filler.childAt(QPoint(2, 2));
    ASSERT_NE(under, nullptr);
    QTest::mouseClick(under, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_TRUE(filler.downs.empty());
    dialog.hide();
}

}  // namespace
