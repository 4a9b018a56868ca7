#include "game/windows/menu_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QTime>

#include "game/core/game_state.h"
#include "game/core/speech.h"
#include "game/core/windows.h"
#include "game/desktop/fonts.h"
#include "game/desktop/key_events.h"
#include "game/desktop/pacing.h"
#include "game/levels/current_campaign.h"
#include "game/levels/save_names.h"
#include "game/menu/build_info.h"
#include "game/menu/menu_sounds.h"
#include "game/menu/save_board.h"
#include "game/platform/keys.h"
#include "game/play/game_flow.h"
#include "game/windows/campaign_window.h"
#include "game/windows/credits_window.h"
#include "game/windows/language.h"
#include "game/windows/load_window.h"
#include "game/windows/menu_links.h"
#include "game/windows/question_window.h"
#include "game/windows/save_window.h"
#include "game/windows/settings_window.h"

namespace game {
namespace {

const QColor kMenuColour(0x40, 0x40, 0x40);
const QColor kNotOffered(150, 150, 150);

void FillList(QListWidget& list, const std::vector<std::string>& entries) {
    list.clear();
    for (const std::string& entry : entries)
        list.addItem(QString::fromStdString(entry));
}

// The name the save dialog proposes, in the player's language: the rules'
// "12 patro 14-03" in Czech, "floor 12 14-03" in English.
QString ProposedName(const QTime& now) {
    const std::string czech = ProposedSaveName(LevelNumber, now.hour(), now.minute());
    if (LanguageInUse() == settings::Language::kCzech) return QString::fromStdString(czech);
    const QString time = QString::fromStdString(czech.substr(czech.rfind(' ') + 1));
    const QString name =
        Shown("Menu", SHOWN_TEXT("Menu", "%1 patro %2")).arg(LevelNumber).arg(time);
    return SaveNameRefused(name.toStdString()) ? QString::fromStdString(czech) : name;
}

// The B key's note: the Czech one as the rules write it with the Czech
// word for lines, a translation from its template.
std::string ProjectNote() {
    if (LanguageInUse() == settings::Language::kCzech) return BuildProjectNote();
    const QString lines = QLocale(QLocale::English).toString(BuildSourceLines());
    return Shown("Menu", kProjectNoteTemplate).arg(lines).toStdString();
}

}  // namespace

Form3::Form3(QWidget* parent)
    : BackgroundWindow(483, 416, kMenuColour, parent),
      Items(NewMenuGlow()),
      canvas_(platform::GameFont(9.75)) {
    setWindowTitle(QStringLiteral("Orvane Karvelun v1.01"));
    SetFillsScreen(true);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &Form3::Timer1_Timer);
    platform::SetTimerInterval(*Timer1, 1);
    MenuLinks().menu = this;
}

Form3::~Form3() {
    UnlinkWindow(MenuLinks().menu, this);
}

void Form3::Timer1_Timer() {
    // A hidden menu keeps its glow going but has nothing to show.
    if (isVisible()) PrintItems();
    Items.Animate();
    FreeFinishedSounds();
}

void Form3::PrintItems() {
    if (canvas_.Follow(ScaledBackground(), Placement().Factor())) update();
    for (int16_t i = 0; i < kMenuItemCount; ++i) {
        const MenuItemLayout& item = kMenuLayout[i];
        QColor colour = MenuItemOffered(i, CanSave, CanResume) ? QColor(255, Items.Brightness[i], 0)
                                                               : kNotOffered;
        const QString text = Shown("Menu", item.text);
        const int x = canvas_.CentredLike(text, QString::fromUtf8(item.text), item.textX);
        // Only an item whose colour changed goes to the screen again.
        UpdateDevicePixels(canvas_.Print(x, item.textY, text, colour));
    }
}

void Form3::changeEvent(QEvent* event) {
    // Another language: the items are printed afresh in their new words.
    if (event->type() == QEvent::LanguageChange) {
        canvas_.Clear();
        update();
        if (isVisible()) PrintItems();
    }
    BackgroundWindow::changeEvent(event);
}

void Form3::showEvent(QShowEvent* event) {
    // What the game changed while the menu was away ("Uložit" and "Zpět"
    // offered or not) shows at once.
    PrintItems();
    BackgroundWindow::showEvent(event);
    SpeakChosen();
}

void Form3::SpeakChosen() {
    if (Items.Selected >= 0 && Items.Selected < kMenuItemCount)
        Speak(Shown("Menu", kMenuLayout[Items.Selected].text).toStdString());
}

void Form3::MenuItems(int16_t ix) {
    if (ix != kMenuExit) PlayClick();
    switch (ix) {
        case kMenuNewGame:
            NewGame();
            break;
        case kMenuLoad:
            ShowLoadDialog();
            break;
        case kMenuSave:
            if (CanSave) ShowSaveDialog();
            break;
        case kMenuResume:
            if (CanResume) {
                ResumeFromMenu();
                hide();
                Windows().ResumeGameWindow();
            }
            break;
        case kMenuSettings:
            ShowSettings();
            break;
        case kMenuCredits:
            ShowCredits();
            break;
        case kMenuExit:
            // A game under way is not thrown away by a slip of the finger.
            if (CanResume && !AskPlayer(kLoseGameQuestion, Answer::kNo)) break;
            Windows().CloseMainWindow();
            break;
        default:
            break;
    }
}

void Form3::NewGame() {
    Items.Brightness.fill(0);
    Items.ClearHighlights();
    // A game is under way: losing it needs a "yes".
    if (CanResume && !AskPlayer(kLoseGameQuestion, Answer::kNo)) return;
    // With campaign packs there, the player chooses one; without, the
    // built-in campaign starts at once.
    std::optional<CampaignPack> pack;
    if (std::vector<CampaignPack> packs = FindPlayablePacks(); !packs.empty()) {
        CampaignWindow* choice = MenuLinks().campaigns;
        if (!choice) return;
        choice->ShowCampaigns(std::move(packs), PackageLevelCount(Places.data + "/levels.all"));
        choice->ShowModally();
        if (ShutdownRequested || !choice->Choice()) return;
        pack = *choice->Choice();
    }
    // The glow rests while the campaign is read.
    platform::SetTimerInterval(*Timer1, 0);
    if (!NewGameFromMenu(pack ? &*pack : nullptr)) {
        // The campaign could not be read; the menu stays.
        if (!ShutdownRequested) platform::SetTimerInterval(*Timer1, 1);
        return;
    }
    hide();
    Windows().ResumeGameWindow();
}

void Form3::ShowLoadDialog() {
    Form6* load = MenuLinks().load;
    if (!load) return;
    FillBoard(*load);
    load->ShowModally();
}

void Form3::ShowSaveDialog() {
    Form7* save = MenuLinks().save;
    if (!save) return;
    std::vector<std::string> entries = ListSaves();
    RemoveReservedEntries(entries);
    FillList(*save->List1, entries);
    // The level and the time of day, which Enter or the pad's A take as
    // they are and typing replaces.
    const QTime now = QTime::currentTime();
    save->ProposeName(ProposedName(now));
    save->ShowModally();
}

void Form3::ShowSettings() {
    SettingsWindow* settings = MenuLinks().settings;
    if (settings) settings->ShowModally();
}

void Form3::ShowCredits() {
    Form4* credits = MenuLinks().credits;
    if (!credits) return;
    credits->Label1[4]->setText(
        LanguageInUse() == settings::Language::kCzech
            ? QString::fromStdString(BuildVersionLine())
            : Shown("Menu", kVersionLineTemplate).arg(QString::fromStdString(BuildVersion())));
    credits->ShowModally();
}

void Form3::FillBoard(Form6& Forma) {
    // Newest first, each save with its description, the newest whole one
    // chosen so that Enter loads it.
    Forma.ShowSaves(LoadBoard());
}

void Form3::ChooseItem(int16_t item) {
    Items.Selected = item;
    Items.ClearHighlights();
    Items.HighlightSelected();
}

void Form3::Form_KeyDown(int16_t keyCode, int16_t shift) {
    const int16_t before = Items.Selected;
    MenuKey key = MenuKeyDown(Items, keyCode, shift, CanSave, CanResume);
    if (Items.Selected != before) SpeakChosen();
    switch (key.action) {
        case MenuKeyAction::kRunSelected:
            MenuItems(Items.Selected);
            break;
        case MenuKeyAction::kProjectNote:
            Windows().ShowMessageBox(ProjectNote(), kProjectNoteTitle);
            break;
        case MenuKeyAction::kCheatMode:
            CheatMode = true;
            break;
        case MenuKeyAction::kNothing:
            break;
    }
    if (key.highlightAfter) Items.HighlightSelected();
}

void Form3::Form_MouseMove(float x, float y) {
    const int16_t before = Items.Selected;
    Items.PointerMoved(x, y);
    if (Items.Selected != before) SpeakChosen();
}

void Form3::Form_MouseDown(float x, float y) {
    int16_t ix = Items.ItemClicked(x, y);
    if (ix >= 0) MenuItems(ix);
}

void Form3::GoBack() {
    if (CanResume) MenuItems(kMenuResume);
}

void Form3::keyPressEvent(QKeyEvent* event) {
    // One press of Enter runs one item, however long it is held.
    bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->isAutoRepeat()) return;
    auto key = platform::VirtualKeyOf(*event);
    if (key)
        Form_KeyDown(key->keyCode, key->shift);
    else
        Form_KeyDown(0, 0);
}

void Form3::PaintContent(QPainter& painter) {
    canvas_.Follow(ScaledBackground(), Placement().Factor());
    DrawDevicePixels(painter, 0, 0, canvas_.Image());
}

void Form3::closeEvent(QCloseEvent* event) {
    event->ignore();
    Windows().CloseMainWindow();
}

}  // namespace game
