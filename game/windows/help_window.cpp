#include "game/windows/help_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

#include "game/core/access_settings.h"
#include "game/core/game_state.h"
#include "game/core/key_text.h"
#include "game/core/music_director.h"
#include "game/desktop/key_events.h"
#include "game/platform/keys.h"
#include "game/settings/key_names.h"
#include "game/windows/language.h"
#include "game/windows/menu_links.h"
#include "game/windows/records_window.h"
#include "game/windows/window_style.h"

namespace game {
namespace {

namespace vk = platform::vk;

constexpr int kWidth = 500;
constexpr int kHeight = 372;
constexpr int kBorder = kStoneBorder;

// Columns and rows, in the window's pixels.
// The widest value ("D-pad, levá páčka") needs 113 pixels when the view fills a
// screen at 2.8 times.
constexpr int kKeysLeft = 24, kPadLeft = 262, kNameWidth = 104, kValueWidth = 118;
constexpr int kRowsTop = 66, kRowHeight = 16;

const QColor kTitleColour(255, 128, 0);
const QColor kHeadingColour(255, 192, 128);
const QColor kNameColour(255, 224, 192);
const QColor kValueColour(255, 255, 128);
const QColor kTipColour(255, 128, 0);
const QColor kFooterColour(128, 128, 0);

// What each command is called here, in the order of the commands.
constexpr std::array<const char*, kCommandCount> kCommandNames = {
    QT_TRANSLATE_NOOP("Help", "Nahoru"),         QT_TRANSLATE_NOOP("Help", "Dolů"),
    QT_TRANSLATE_NOOP("Help", "Vlevo"),          QT_TRANSLATE_NOOP("Help", "Vpravo"),
    QT_TRANSLATE_NOOP("Help", "Střelba"),        QT_TRANSLATE_NOOP("Help", "Bomba"),
    QT_TRANSLATE_NOOP("Help", "Pauza"),          QT_TRANSLATE_NOOP("Help", "Menu"),
    QT_TRANSLATE_NOOP("Help", "Rychlé uložení"), QT_TRANSLATE_NOOP("Help", "Rychlé nahrání")};

struct PadRow {
    const char* name;
    const char* buttons;
};
// The pad's standard layout.
constexpr std::array<PadRow, HelpWindow::kPadRows> kPadLayout = {{
    {QT_TRANSLATE_NOOP("Help", "Pohyb"), QT_TRANSLATE_NOOP("Help", "D-pad, levá páčka")},
    {QT_TRANSLATE_NOOP("Help", "Střelba"), QT_TRANSLATE_NOOP("Help", "A, pravý trigger")},
    {QT_TRANSLATE_NOOP("Help", "Bomba"), "B, X"},
    {QT_TRANSLATE_NOOP("Help", "Pauza"), "Start"},
    {QT_TRANSLATE_NOOP("Help", "Menu"), "Back"},
    {QT_TRANSLATE_NOOP("Help", "Rychlé uložení"), "LB"},
    {QT_TRANSLATE_NOOP("Help", "Rychlé nahrání"), "RB"},
    {QT_TRANSLATE_NOOP("Help", "Nápověda"), "Y"},
    {QT_TRANSLATE_NOOP("Help", "Menu a okna"), "D-pad, A, B"},
}};

QLabel* RowLabel(QWidget* parent, int left, int top, int width, const QColor& colour) {
    QLabel* label = MakeLabel(parent, QRect(left, top, width, kRowHeight), colour, 8.25, {});
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setWordWrap(false);
    label->setTextFormat(Qt::PlainText);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

QLabel* Heading(QWidget* parent, const QRect& place, const QColor& colour, double points,
                const QString& text) {
    QLabel* label = MakeLabel(parent, place, colour, points, text);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

}  // namespace

QString KeyCaptionOf(int16_t keyCode) {
    return QString::fromStdString(settings::KeyCaption(
        keyCode, EnglishShown() ? settings::KeyLanguage::English : settings::KeyLanguage::Czech));
}

HelpWindow::HelpWindow(QWidget* parent) : BackgroundWindow(kWidth, kHeight, Qt::black, parent) {
    setFocusPolicy(Qt::StrongFocus);
    SetReadsLarger(true);

    fixedTexts_.push_back(
        {Heading(this, QRect(kBorder, 16, kWidth - 2 * kBorder, 20), kTitleColour, 12, {}),
         QT_TRANSLATE_NOOP("Help", "Nápověda")});
    fixedTexts_.push_back({Heading(this, QRect(kKeysLeft, 44, kNameWidth + kValueWidth, 16),
                                   kHeadingColour, 9.75, {}),
                           QT_TRANSLATE_NOOP("Help", "Klávesnice")});
    fixedTexts_.push_back(
        {Heading(this, QRect(kPadLeft, 44, kNameWidth + kValueWidth, 16), kHeadingColour, 9.75, {}),
         QT_TRANSLATE_NOOP("Help", "Ovladač")});

    for (std::size_t i = 0; i < kKeyRows; ++i) {
        const int top = kRowsTop + static_cast<int>(i) * kRowHeight;
        KeyNames[i] = RowLabel(this, kKeysLeft, top, kNameWidth, kNameColour);
        KeyCaptions[i] = RowLabel(this, kKeysLeft + kNameWidth, top, kValueWidth, kValueColour);
        if (i < kCommandCount) fixedTexts_.push_back({KeyNames[i], kCommandNames[i]});
    }
    fixedTexts_.push_back({KeyNames[kCommandCount], QT_TRANSLATE_NOOP("Help", "Nápověda")});
    KeyCaptions[kCommandCount]->setText(QStringLiteral("F1"));
    fixedTexts_.push_back(
        {KeyNames[kCommandCount + 1], QT_TRANSLATE_NOOP("Help", "Celá obrazovka")});
    KeyCaptions[kCommandCount + 1]->setText(QStringLiteral("F11, Alt+Enter"));

    for (std::size_t i = 0; i < kPadRows; ++i) {
        const int top = kRowsTop + static_cast<int>(i) * kRowHeight;
        PadNames[i] = RowLabel(this, kPadLeft, top, kNameWidth, kNameColour);
        fixedTexts_.push_back({PadNames[i], kPadLayout[i].name});
        PadButtons[i] = RowLabel(this, kPadLeft + kNameWidth, top, kValueWidth, kValueColour);
        fixedTexts_.push_back({PadButtons[i], kPadLayout[i].buttons});
    }

    const int tipsTop = kRowsTop + static_cast<int>(kKeyRows) * kRowHeight + 12;
    for (std::size_t i = 0; i < Tips.size(); ++i) {
        Tips[i] = RowLabel(this, kKeysLeft, tipsTop + static_cast<int>(i) * kRowHeight,
                           kWidth - 2 * kKeysLeft, kTipColour);
    }
    Footer = Heading(this, QRect(kBorder, kHeight - 30, kWidth - 2 * kBorder, 16), kFooterColour,
                     8.25, QString());
    ShowTexts();
}

void HelpWindow::ShowTexts() {
    setWindowTitle(Shown("Help", QT_TRANSLATE_NOOP("Help", "Karvelun - nápověda")));
    for (const auto& [label, text] : fixedTexts_)
        label->setText(Shown("Help", text));
}

void HelpWindow::changeEvent(QEvent* event) {
    // The tips, the keys and the footer are written anew each time the help
    // opens.
    if (event->type() == QEvent::LanguageChange) ShowTexts();
    BackgroundWindow::changeEvent(event);
}

void HelpWindow::SetFramePicture(const QImage& picture) {
    SetBackground(StoneFrame(picture, QSize(kWidth, kHeight)));
}

void HelpWindow::ShowHelp(const KeyBindings& keys) {
    for (std::size_t i = 0; i < kCommandCount; ++i)
        KeyCaptions[i]->setText(KeyCaptionOf(keys.KeyOf(kAllCommands[i])));
    // A tip is translated with its keys' placeholders, then they are filled.
    const auto tip = [&](const char* text) {
        return QString::fromStdString(settings::FillKeyNames(
            Shown("Help", text).toStdString(), keys.Keys(), LastKeyDevice(),
            EnglishShown() ? settings::KeyLanguage::English : settings::KeyLanguage::Czech));
    };
    // Fire switched by its key is not held.
    Tips[0]->setText(
        Access.fireToggles
            ? tip(QT_TRANSLATE_NOOP(
                  "Help",
                  "Stiskněte střelbu ({Strelba}) a kouzla poletí, dalším stiskem přestanou."))
            : tip(QT_TRANSLATE_NOOP("Help",
                                    "Držte střelbu ({Strelba}) a kouzla poletí jedno za druhým.")));
    Tips[1]->setText(tip(QT_TRANSLATE_NOOP("Help", "Od vlastní bomby ustupte aspoň tři políčka.")));
    Tips[2]->setText(tip(QT_TRANSLATE_NOOP(
        "Help", "Ukládejte často: {Ulozit} hru rychle uloží, {Nahrat} ji vrátí.")));
    // Where the settings for every player are, and F2 for the state read
    // aloud when texts are.
    Tips[3]->setText(
        Access.speech
            ? Shown("Help", QT_TRANSLATE_NOOP("Help", "F2 přečte životy, peníze a patro nahlas."))
            : Shown(
                  "Help",
                  QT_TRANSLATE_NOOP(
                      "Help", "Nastavení: blikání, velké písmo, střelba přepínačem, předčítání.")));
    // The pad's B, A and Y arrive as Esc, Enter and F1.
    Footer->setText(
        LastKeyDevice() == settings::KeyDevice::Pad
            ? Shown("Help", QT_TRANSLATE_NOOP("Help", "B, A nebo Y nápovědu zavře."))
            : Shown("Help", QT_TRANSLATE_NOOP(
                                "Help", "Esc, Enter nebo F1 nápovědu zavře, Z ukáže záznamy.")));
    MusicOverlay lowered;
    platform::ShowModal(*this, [] { return ShutdownRequested; });
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    // F1 held since it opened the window repeats its press here: the window
    // must stay until a new press.
    if (event->isAutoRepeat()) return;
    const auto key = platform::VirtualKeyOf(*event);
    if (!key) return;
    if (key->keyCode == vk::Escape || key->keyCode == vk::Return || key->keyCode == vk::F1) hide();
    // A game runs under the help: the records show what earlier replays gave.
    if (key->keyCode == 'Z' && MenuLinks().records) MenuLinks().records->ShowRecords(false, false);
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    // The window manager's close button closes the help as Esc does.
    event->ignore();
    hide();
}

}  // namespace game
