// The notice window offscreen: its look, and that only Enter, Space or the
// window's close button end the wait.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

#include "game/core/game_state.h"
#include "game/windows/notice_window.h"

namespace {

using game::Form2;

class NoticeTest : public ::testing::Test {
  protected:
    void TearDown() override { game::ShutdownRequested = false; }

    // Shows the notice and, once it is up, runs the keys; true when the
    // notice was still open after them (it is then closed with Enter).
    bool StillOpenAfter(const std::function<void()>& keys, const QString& text = "Zpráva") {
        bool open = false;
        QTimer::singleShot(0, [&] {
            keys();
            open = notice.isVisible();
            if (open) QTest::keyClick(&notice, Qt::Key_Return);
        });
        notice.ShowNotice(text);
        EXPECT_FALSE(notice.isVisible());
        return open;
    }

    Form2 notice;
};

TEST_F(NoticeTest, IsAWhiteWrappedTextOnBlack) {
    EXPECT_EQ(notice.size(), QSize(312, 213));
    EXPECT_EQ(notice.Label1->geometry(), QRect(8, 8, 297, 193));
    EXPECT_TRUE(notice.Label1->wordWrap());
    EXPECT_EQ(notice.Label1->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(notice.Label1->palette().color(QPalette::Window), QColor(Qt::black));
    StillOpenAfter([&] { EXPECT_EQ(notice.Label1->text(), "Zpráva"); });
}

// Columns of the label that hold any of its white letters.
int InkWidth(QLabel& label) {
    QImage image = label.grab().toImage();
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) > 96) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return last < first ? 0 : last - first + 1;
}

TEST_F(NoticeTest, ShowsTagsAndEntitiesAsTheyAreWritten) {
    // As markup these would show as "Pozor" and "<Pozor>": far narrower.
    for (const QString& text : {QStringLiteral("<b>Pozor</b>"), QStringLiteral("&lt;Pozor&gt;")}) {
        int ink = 0;
        StillOpenAfter([&] { ink = InkWidth(*notice.Label1); }, text);
        int written = QFontMetrics(notice.Label1->font()).horizontalAdvance(text);
        EXPECT_NEAR(ink, written, 4) << text.toStdString();
    }
}

TEST_F(NoticeTest, EnterOrSpaceClosesIt) {
    EXPECT_FALSE(StillOpenAfter([&] { QTest::keyClick(&notice, Qt::Key_Return); }));
    EXPECT_FALSE(StillOpenAfter([&] { QTest::keyClick(&notice, Qt::Key_Enter); }));
    EXPECT_FALSE(StillOpenAfter([&] { QTest::keyClick(&notice, Qt::Key_Space); }));
}

TEST_F(NoticeTest, LettersArrowsAndEscDoNothing) {
    EXPECT_TRUE(StillOpenAfter([&] {
        for (Qt::Key key : {Qt::Key_A, Qt::Key_Left, Qt::Key_Escape, Qt::Key_F5})
            QTest::keyClick(&notice, key);
    }));
}

TEST_F(NoticeTest, AKeyHeldFromTheGameDoesNotCloseIt) {
    EXPECT_TRUE(StillOpenAfter([&] {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
        QCoreApplication::sendEvent(&notice, &repeat);
    }));
}

TEST_F(NoticeTest, TheCloseButtonActsAsEnter) {
    EXPECT_FALSE(StillOpenAfter([&] { notice.close(); }));
}

}  // namespace
