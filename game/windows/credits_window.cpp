#include "game/windows/credits_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "game/core/game_state.h"
#include "game/core/music_director.h"
#include "game/core/windows.h"
#include "game/desktop/key_events.h"
#include "game/platform/keys.h"
#include "game/windows/language.h"
#include "game/windows/menu_links.h"
#include "game/windows/records_window.h"
#include "game/windows/window_style.h"

namespace game {
namespace {

struct CreditLine {
    int top, height;  // twips
    QColor colour;
    double points;
    const char* text;
};

const std::array<CreditLine, 5> kCredits{{
    {120, 735, QColor(255, 224, 192), 8.25,
     QT_TRANSLATE_NOOP(
         "Credits",
         "Tato hra je pokračováním oprašování staré školy, která je a bude vždy tím nejlepším, co "
         "herní svět mohlo potkat.")},
    {900, 735, QColor(255, 192, 128), 8.25,
     QT_TRANSLATE_NOOP(
         "Credits",
         "Pokud jste stejně jako já příznivcem dob dávno minulých, jistě s hrou zažijete mnoho "
         "pěkných chvil. Odhalte tajemství jeskyně!")},
    {1680, 735, QColor(255, 128, 0), 8.25,
     QT_TRANSLATE_NOOP(
         "Credits",
         "Líbí se vám hra, nebo jste v ní našli chybu? Napište nám na tym@karvelun.invalid, každý "
         "dopis nás potěší.")},
    {2460, 210, QColor(255, 64, 0), 8.25,
     QT_TRANSLATE_NOOP("Credits", "Hru pro vás vykopal tým Karvelun.")},
    {2835, 255, QColor(128, 128, 0), 9.75, ""},
}};

}  // namespace

Form4::Form4(QWidget* parent) : BackgroundWindow(312, 213, QColor(0x40, 0x40, 0x40), parent) {
    setWindowTitle(QStringLiteral("Karvelun"));
    setFocusPolicy(Qt::StrongFocus);
    for (size_t i = 0; i < Label1.size(); ++i) {
        const CreditLine& line = kCredits[i];
        Label1[i] = MakeLabel(this, TwipsRect(120, line.top, 4455, line.height), line.colour,
                              line.points, Shown("Credits", line.text));
        Label1[i]->setFocusPolicy(Qt::NoFocus);
        Label1[i]->installEventFilter(this);
    }
    // In the gap between the last credit's line and the version.
    RecordsKey = MakeLabel(this, QRect(8, 178, 296, 11), QColor(128, 128, 0), 6.75,
                           Shown("Credits", kRecordsKeyText));
    RecordsKey->setFocusPolicy(Qt::NoFocus);
    RecordsKey->installEventFilter(this);
    MenuLinks().credits = this;
}

Form4::~Form4() {
    UnlinkWindow(MenuLinks().credits, this);
}

void Form4::changeEvent(QEvent* event) {
    // The credits in the new language; the version line is written anew
    // each time the credits open.
    if (event->type() == QEvent::LanguageChange)
        for (size_t i = 0; i + 1 < Label1.size(); ++i)
            Label1[i]->setText(Shown("Credits", kCredits[i].text));
    if (event->type() == QEvent::LanguageChange)
        RecordsKey->setText(Shown("Credits", kRecordsKeyText));
    BackgroundWindow::changeEvent(event);
}

void Form4::ShowModally() {
    // The ending's piece plays while the credits are up.
    Music().Credits(true);
    platform::ShowModal(*this, [] { return ShutdownRequested; });
    Music().Credits(false);
}

void Form4::Form_KeyDown(int16_t keyCode) {
    if (keyCode == 'P') {
        Windows().ShowMessageBox(kSoundCreditText, kSoundCreditTitle);
        return;
    }
    if (keyCode == 'Z' && MenuLinks().records) {
        // From the menu: no game runs, the recordings may be replayed.
        MenuLinks().records->ShowRecords(true, false);
        return;
    }
    hide();
}

void Form4::Form_MouseDown() {
    hide();
}

void Form4::Label1_Click(int) {
    hide();
}

void Form4::keyPressEvent(QKeyEvent* event) {
    // A key still held from the menu repeats its press here: that must not
    // close the credits before they have been read.
    if (event->isAutoRepeat()) return;
    // Keys the game has no code for (a Czech letter, say) close it too.
    auto key = platform::VirtualKeyOf(*event);
    Form_KeyDown(key ? key->keyCode : int16_t{0});
}

void Form4::mousePressEvent(QMouseEvent*) {
    Form_MouseDown();
}

void Form4::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

bool Form4::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (size_t i = 0; i < Label1.size(); ++i) {
            if (watched == Label1[i]) {
                Label1_Click(static_cast<int>(i));
                return true;
            }
        }
    }
    return BackgroundWindow::eventFilter(watched, event);
}

}  // namespace game
