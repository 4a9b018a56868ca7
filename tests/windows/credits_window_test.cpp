// The credits window offscreen: its texts, and what closes it.
#include <gtest/gtest.h>

#include <QTest>

#include "game/core/game_state.h"
#include "game/records/records_keeper.h"
#include "game/windows/records_window.h"
#include "windows/menu_test_support.h"

namespace {

using namespace game;
using menu_testing::MenuTest;

class CreditsWindow : public MenuTest {
  protected:
    // Shows the credits, runs `act` in them and tells whether they were
    // still open afterwards (they are then closed).
    bool StillOpenAfter(const std::function<void()>& act) {
        bool open = false;
        WhenShown(*credits, [&] {
            act();
            open = credits->isVisible();
            credits->hide();
        });
        credits->ShowModally();
        return open;
    }
};

TEST_F(CreditsWindow, FixedTextsColoursAndPlaces) {
    EXPECT_EQ(credits->size(), QSize(312, 213));
    EXPECT_EQ(credits->Label1[0]->text(),
              "Tato hra je pokračováním oprašování staré školy, která je a bude vždy tím "
              "nejlepším, co herní svět mohlo potkat.");
    EXPECT_TRUE(credits->Label1[1]->text().startsWith(
        "Pokud jste stejně jako já příznivcem dob dávno minulých, jistě s hrou zažijete mnoho "
        "pěkných chvil. "));
    EXPECT_TRUE(credits->Label1[2]->text().contains("tym@karvelun.invalid"));
    EXPECT_TRUE(credits->Label1[3]->text().contains("Karvelun"));
    EXPECT_TRUE(credits->Label1[4]->text().isEmpty());

    const QColor colours[] = {
        {255, 224, 192}, {255, 192, 128}, {255, 128, 0}, {255, 64, 0}, {128, 128, 0}};
    const int tops[] = {8, 60, 112, 164, 189};
    for (int i = 0; i < 5; ++i) {
        QLabel& label = *credits->Label1[i];
        EXPECT_EQ(label.palette().color(QPalette::WindowText), colours[i]) << i;
        EXPECT_EQ(label.geometry().left(), 8) << i;
        EXPECT_EQ(label.geometry().width(), 297) << i;
        EXPECT_EQ(label.geometry().top(), tops[i]) << i;
        EXPECT_TRUE(label.wordWrap()) << i;
        if (i + 1 < 5) {
            EXPECT_LE(label.geometry().bottom(), tops[i + 1]) << i;
        }
        // Every text fits its label.
        QRect needed = label.fontMetrics().boundingRect(QRect(0, 0, label.width(), 1000),
                                                        Qt::TextWordWrap, label.text());
        EXPECT_LE(needed.height(), label.height()) << i;
    }
}

TEST_F(CreditsWindow, EscEnterAndLettersButPCloseIt) {
    for (Qt::Key key :
         {Qt::Key_Escape, Qt::Key_Return, Qt::Key_A, Qt::Key_Z, Qt::Key_Down, Qt::Key_Eacute})
        EXPECT_FALSE(StillOpenAfter([&] { Key(*credits, key); })) << key;
}

// With the records window at hand, Z opens it over the credits: a player
// without records sees every achievement still to earn; Esc goes back.
TEST_F(CreditsWindow, ZShowsTheRecordsAndEscGoesBackToTheCredits) {
    RecordsKeeper keeper("");
    RecordsWindow records;
    std::string body;
    WhenShown(records, [&] {
        body = records.Body->text().toStdString();
        Key(records, Qt::Key_Escape);
    });
    EXPECT_TRUE(StillOpenAfter([&] { Key(*credits, Qt::Key_Z); }));
    EXPECT_FALSE(records.isVisible());
    EXPECT_NE(body.find("Zatím žádné"), std::string::npos) << body;
    EXPECT_NE(body.find("Ocenění: 0 z " + std::to_string(Achievements().size())), std::string::npos)
        << body;
    for (const Achievement& a : Achievements())
        EXPECT_NE(body.find(std::string("· ") + a.name + " – " + a.description), std::string::npos)
            << a.id;
}

TEST_F(CreditsWindow, PThanksForTheSoundsAndStaysOpen) {
    EXPECT_TRUE(StillOpenAfter([&] { Key(*credits, Qt::Key_P); }));
    ASSERT_EQ(windows.messageBoxes.size(), 1u);
    EXPECT_EQ(windows.messageBoxes[0].second, "Nezapomněl jsem...");
    EXPECT_NE(windows.messageBoxes[0].first.find("tým Karvelun"), std::string::npos);
}

TEST_F(CreditsWindow, AClickOnTheWindowOrOnALabelClosesIt) {
    EXPECT_FALSE(StillOpenAfter([&] { Click(*credits, {2, 2}); }));
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(StillOpenAfter([&] { Click(*credits->Label1[i], {5, 5}); })) << i;
}

TEST_F(CreditsWindow, AKeyHeldFromTheMenuDoesNotCloseIt) {
    EXPECT_TRUE(StillOpenAfter([&] {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
        QApplication::sendEvent(credits.get(), &repeat);
    }));
}

}  // namespace
