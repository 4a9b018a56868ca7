#include <gtest/gtest.h>

#include <QKeyEvent>

#include "game/desktop/key_events.h"
#include "game/platform/keys.h"

namespace {

using platform::VirtualKeyOf;

int CodeOf(int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent e(QEvent::KeyPress, qtKey, mods);
    auto key = VirtualKeyOf(e);
    return key ? key->keyCode : -1;
}

TEST(Keys, GameKeysMapToTheirCodes) {
    EXPECT_EQ(CodeOf(Qt::Key_Up), 38);
    EXPECT_EQ(CodeOf(Qt::Key_Down), 40);
    EXPECT_EQ(CodeOf(Qt::Key_Left), 37);
    EXPECT_EQ(CodeOf(Qt::Key_Right), 39);
    EXPECT_EQ(CodeOf(Qt::Key_Control, Qt::ControlModifier), 17);
    EXPECT_EQ(CodeOf(Qt::Key_Space), 32);
    EXPECT_EQ(CodeOf(Qt::Key_Escape), 27);
    EXPECT_EQ(CodeOf(Qt::Key_Pause), 19);
    EXPECT_EQ(CodeOf(Qt::Key_F5), 116);
    EXPECT_EQ(CodeOf(Qt::Key_F7), 118);
    EXPECT_EQ(CodeOf(Qt::Key_Return), 13);
    EXPECT_EQ(CodeOf(Qt::Key_Enter), 13);
    EXPECT_EQ(CodeOf(Qt::Key_H), 72);
    EXPECT_EQ(CodeOf(Qt::Key_S), 83);
    EXPECT_EQ(CodeOf(Qt::Key_Egrave), -1);
}

TEST(Keys, ShiftStateIsShiftOneCtrlTwoAltFour) {
    QKeyEvent e(QEvent::KeyPress, Qt::Key_H, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(VirtualKeyOf(e)->shift, 6);
    QKeyEvent s(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier);
    EXPECT_EQ(VirtualKeyOf(s)->shift, 1);
}

TEST(Keys, AutoRepeatedReleasesAreNotKeyUps) {
    QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier, QString(), true);
    QKeyEvent real(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    EXPECT_FALSE(platform::IsRealKeyRelease(repeated));
    EXPECT_TRUE(platform::IsRealKeyRelease(real));
    EXPECT_FALSE(platform::IsRealKeyRelease(press));
}

}  // namespace
