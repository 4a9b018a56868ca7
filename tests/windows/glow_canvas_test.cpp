// The canvas the menu and the dialogs print their glowing texts on: texts at
// the scale's place and size, nothing redone for a text that already stands
// there in its colour, everything redone on a new background.
#include <gtest/gtest.h>

#include <QImage>

#include "game/desktop/fonts.h"
#include "game/windows/glow_canvas.h"

namespace {

using game::GlowCanvas;

QImage Background(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

bool Holds(const QImage& image, const QRect& area, QRgb colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == colour) return true;
    return false;
}

TEST(GlowCanvas, PrintsAtTheScalesPlaceAndOnlyThere) {
    const QRgb grey = qRgb(20, 30, 40), red = qRgb(255, 0, 0);
    for (int scale : {1, 2, 3}) {
        GlowCanvas canvas(platform::GameFont(9.75));
        const QImage background = Background(QSize(200, 100) * scale, QColor(grey));
        EXPECT_TRUE(canvas.Follow(background, scale));
        QRect changed = canvas.Print(40, 30, QStringLiteral("Exit"), QColor(red));
        EXPECT_TRUE(changed.contains(QPoint(40, 30) * scale)) << scale;
        EXPECT_GE(changed.height(), 13 * scale) << scale;
        EXPECT_TRUE(Holds(canvas.Image(), changed, red)) << scale;
        // The rest of the canvas is the background.
        QImage outside = canvas.Image().copy();
        for (int y = changed.top(); y <= changed.bottom(); ++y)
            for (int x = changed.left(); x <= changed.right(); ++x)
                outside.setPixel(x, y, grey);
        EXPECT_EQ(outside, background) << scale;
    }
}

TEST(GlowCanvas, ATextThatAlreadyStandsThereIsNotPrintedAgain) {
    GlowCanvas canvas(platform::GameFont(9.75));
    QImage background = Background(QSize(200, 100), Qt::black);
    canvas.Follow(background, 2);
    EXPECT_FALSE(canvas.Print(10, 10, QStringLiteral("Ano"), Qt::red).isEmpty());
    EXPECT_TRUE(canvas.Print(10, 10, QStringLiteral("Ano"), Qt::red).isEmpty());
    // Another place, colour or text is printed.
    EXPECT_FALSE(canvas.Print(60, 10, QStringLiteral("Ano"), Qt::red).isEmpty());
    EXPECT_FALSE(canvas.Print(10, 10, QStringLiteral("Ano"), Qt::yellow).isEmpty());
    EXPECT_FALSE(canvas.Print(10, 10, QStringLiteral("Ne"), Qt::yellow).isEmpty());
    EXPECT_FALSE(canvas.Follow(background, 2));
    // A new background or scale starts again: every text is printed anew.
    EXPECT_TRUE(canvas.Follow(Background(QSize(300, 150), Qt::black), 3));
    EXPECT_FALSE(canvas.Print(10, 10, QStringLiteral("Ne"), Qt::yellow).isEmpty());
}

}  // namespace
