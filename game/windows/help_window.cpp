#include "game/windows/help_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

#include "game/core/game_state.h"
#include "game/core/key_text.h"
#include "game/core/music_director.h"
#include "game/platform/keys.h"
#include "game/settings/key_names.h"
#include "game/windows/window_style.h"

namespace game {
namespace {

namespace vk = platform::vk;

constexpr int kWidth = 500;
constexpr int kHeight = 372;
constexpr int kBorder = kStoneBorder;

// Columns and rows, in the window's pixels.
constexpr int kKeysLeft = 24, kPadLeft = 266, kNameWidth = 104, kValueWidth = 112;
constexpr int kRowsTop = 66, kRowHeight = 16;

const QColor kTitleColour(255, 128, 0);
const QColor kHeadingColour(255, 192, 128);
const QColor kNameColour(255, 224, 192);
const QColor kValueColour(255, 255, 128);
const QColor kTipColour(255, 128, 0);
const QColor kFooterColour(128, 128, 0);

// What each command is called here, in the order of the commands.
constexpr std::array<const char*, kCommandCount> kCommandNames = {
    "Nahoru", "Dolů",  "Vlevo", "Vpravo",         "Střelba",
    "Bomba",  "Pauza", "Menu",  "Rychlé uložení", "Rychlé nahrání"};

struct PadRow {
    const char* name;
    const char* buttons;
};
// The pad's standard layout.
constexpr std::array<PadRow, HelpWindow::kPadRows> kPadLayout = {{
    {"Pohyb", "D-pad, levá páčka"},
    {"Střelba", "A, pravý trigger"},
    {"Bomba", "B, X"},
    {"Pauza", "Start"},
    {"Menu", "Back"},
    {"Rychlé uložení", "LB"},
    {"Rychlé nahrání", "RB"},
    {"Nápověda", "Y"},
    {"Menu a okna", "D-pad, A, B"},
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
    return QString::fromStdString(settings::KeyCaption(keyCode));
}

HelpWindow::HelpWindow(QWidget* parent) : BackgroundWindow(kWidth, kHeight, Qt::black, parent) {
    setWindowTitle(QStringLiteral("Karvelun - nápověda"));
    setFocusPolicy(Qt::StrongFocus);

    Heading(this, QRect(kBorder, 16, kWidth - 2 * kBorder, 20), kTitleColour, 12,
            QStringLiteral("Nápověda"));
    Heading(this, QRect(kKeysLeft, 44, kNameWidth + kValueWidth, 16), kHeadingColour, 9.75,
            QStringLiteral("Klávesnice"));
    Heading(this, QRect(kPadLeft, 44, kNameWidth + kValueWidth, 16), kHeadingColour, 9.75,
            QStringLiteral("Ovladač"));

    for (std::size_t i = 0; i < kKeyRows; ++i) {
        const int top = kRowsTop + static_cast<int>(i) * kRowHeight;
        KeyNames[i] = RowLabel(this, kKeysLeft, top, kNameWidth, kNameColour);
        KeyCaptions[i] = RowLabel(this, kKeysLeft + kNameWidth, top, kValueWidth, kValueColour);
        if (i < kCommandCount) KeyNames[i]->setText(QString::fromUtf8(kCommandNames[i]));
    }
    KeyNames[kCommandCount]->setText(QStringLiteral("Nápověda"));
    KeyCaptions[kCommandCount]->setText(QStringLiteral("F1"));
    KeyNames[kCommandCount + 1]->setText(QStringLiteral("Celá obrazovka"));
    KeyCaptions[kCommandCount + 1]->setText(QStringLiteral("F11, Alt+Enter"));

    for (std::size_t i = 0; i < kPadRows; ++i) {
        const int top = kRowsTop + static_cast<int>(i) * kRowHeight;
        PadNames[i] = RowLabel(this, kPadLeft, top, kNameWidth, kNameColour);
        PadNames[i]->setText(QString::fromUtf8(kPadLayout[i].name));
        PadButtons[i] = RowLabel(this, kPadLeft + kNameWidth, top, kValueWidth, kValueColour);
        PadButtons[i]->setText(QString::fromUtf8(kPadLayout[i].buttons));
    }

    const int tipsTop = kRowsTop + static_cast<int>(kKeyRows) * kRowHeight + 12;
    for (std::size_t i = 0; i < Tips.size(); ++i) {
        Tips[i] = RowLabel(this, kKeysLeft, tipsTop + static_cast<int>(i) * kRowHeight,
                           kWidth - 2 * kKeysLeft, kTipColour);
    }
    Heading(this, QRect(kBorder, kHeight - 30, kWidth - 2 * kBorder, 16), kFooterColour, 8.25,
            QStringLiteral("Esc, Enter nebo F1 nápovědu zavře."));
}

void HelpWindow::SetFramePicture(const QImage& picture) {
    SetBackground(StoneFrame(picture, QSize(kWidth, kHeight)));
}

void HelpWindow::ShowHelp(const KeyBindings& keys) {
    for (std::size_t i = 0; i < kCommandCount; ++i)
        KeyCaptions[i]->setText(KeyCaptionOf(keys.KeyOf(kAllCommands[i])));
    const auto tip = [&](const char* text) {
        return QString::fromStdString(settings::FillKeyNames(text, keys.Keys(), LastKeyDevice()));
    };
    Tips[0]->setText(tip("Držte střelbu ({Strelba}) a kouzla poletí jedno za druhým."));
    Tips[1]->setText(tip("Od vlastní bomby ustupte aspoň tři políčka."));
    Tips[2]->setText(tip("Ukládejte často: {Ulozit} hru rychle uloží, {Nahrat} ji vrátí."));
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
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    // The window manager's close button closes the help as Esc does.
    event->ignore();
    hide();
}

}  // namespace game
