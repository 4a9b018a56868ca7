#include "game/windows/settings_window.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "game/core/access_settings.h"
#include "game/core/game_state.h"
#include "game/core/key_bindings.h"
#include "game/core/speech.h"
#include "game/core/windows.h"
#include "game/desktop/key_events.h"
#include "game/desktop/view.h"
#include "game/platform/keys.h"
#include "game/play/game_flow.h"
#include "game/play/startup.h"
#include "game/windows/help_window.h"
#include "game/windows/language.h"
#include "game/windows/menu_links.h"
#include "game/windows/window_style.h"

namespace game {
namespace {

namespace vk = platform::vk;

// The rows, in the window's pixels: the name on the left, the value on the
// right; the chosen row's value between arrows.  Under them the note of the
// key list, then the footer: the window is as tall as its rows need.
constexpr int kRowNameLeft = 32, kRowNameWidth = 220, kRowValueLeft = 262, kRowValueWidth = 190;
constexpr int kPageRowsTop = 50, kPageRowHeight = 20;
constexpr int kPageNoteTop = kPageRowsTop + kSettingsRowCount * kPageRowHeight + 8;
constexpr int kPageNoteHeight = 34, kPageFooterRoom = 38;

// As wide as the menu it opens over.
constexpr int kPageWidth = 483;
constexpr int kPageHeight = kPageNoteTop + kPageNoteHeight + kPageFooterRoom;
// The difficulty row's note while a game is under way: that game keeps its own.
constexpr const char* kDifficultyLaterNote =
    QT_TRANSLATE_NOOP("Settings", "Obtížnost platí od příští nové hry.");

const QColor kPageTitleColour(255, 128, 0);
const QColor kRowNameColour(255, 224, 192);
const QColor kChosenRowColour(255, 255, 128);
const QColor kRowValueColour(255, 192, 128);
const QColor kPageNoteColour(255, 128, 0);
const QColor kPageFooterColour(128, 128, 0);

const char* const kRowsFooter = QT_TRANSLATE_NOOP(
    "Settings", "Šipky nahoru a dolů vybírají, vlevo a vpravo mění. Enter potvrdí, Esc zavře.");
const char* const kKeysFooter =
    QT_TRANSLATE_NOOP("Settings", "Enter a pak nová klávesa. Esc vrátí zpět.");

QLabel* SettingLabel(QWidget* parent, int left, int top, int width, const QColor& colour) {
    QLabel* label = MakeLabel(parent, QRect(left, top, width, kPageRowHeight), colour, 9.75, {});
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setWordWrap(false);
    label->setTextFormat(Qt::PlainText);
    label->setFocusPolicy(Qt::NoFocus);
    // The window answers the pointer itself.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

void Recolour(QLabel& label, const QColor& colour) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
}

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// A command's name as the help shows it, in the language in use.
QString CommandName(std::size_t command) {
    return Shown("Help", std::string(settings::CommandCaption(command)));
}

// The row under a point of the window, or -1.
int16_t SettingRowAt(float x, float y, int16_t rows) {
    if (x < kRowNameLeft || x >= kRowValueLeft + kRowValueWidth || y < kPageRowsTop) return -1;
    const int row = (static_cast<int>(y) - kPageRowsTop) / kPageRowHeight;
    return row < rows ? static_cast<int16_t>(row) : int16_t{-1};
}

}  // namespace

SettingsWindow::SettingsWindow(QWidget* parent)
    : BackgroundWindow(kPageWidth, kPageHeight, Qt::black, parent) {
    setFocusPolicy(Qt::StrongFocus);
    SetReadsLarger(true);

    QLabel* title = MakeLabel(this, QRect(kStoneBorder, 16, kPageWidth - 2 * kStoneBorder, 22),
                              kPageTitleColour, 12, {});
    title->setAttribute(Qt::WA_TransparentForMouseEvents);
    title->setObjectName(QStringLiteral("title"));
    for (int16_t i = 0; i < kSettingsRowCount; ++i) {
        const int top = kPageRowsTop + i * kPageRowHeight;
        RowNames[i] = SettingLabel(this, kRowNameLeft, top, kRowNameWidth, kRowNameColour);
        RowValues[i] = SettingLabel(this, kRowValueLeft, top, kRowValueWidth, kRowValueColour);
    }
    Note = MakeLabel(this, QRect(24, kPageNoteTop, kPageWidth - 48, kPageNoteHeight),
                     kPageNoteColour, 8.25, {});
    Note->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Two lines' room: the Czech help breaks in two as wide as the menu.
    QLabel* footer = MakeLabel(
        this, QRect(kStoneBorder, kPageHeight - kPageFooterRoom, kPageWidth - 2 * kStoneBorder, 28),
        kPageFooterColour, 8.25, {});
    footer->setAlignment(Qt::AlignCenter);
    footer->setObjectName(QStringLiteral("footer"));
    footer->setAttribute(Qt::WA_TransparentForMouseEvents);
    MenuLinks().settings = this;
    ShowRows();
}

SettingsWindow::~SettingsWindow() {
    UnlinkWindow(MenuLinks().settings, this);
}

void SettingsWindow::SetFramePicture(const QImage& picture) {
    SetBackground(StoneFrame(picture, QSize(kPageWidth, kPageHeight)));
}

void SettingsWindow::ShowModally() {
    // The file as the game last read or wrote it; none gives the defaults.
    page_ = {};
    if (auto lines = settings::ReadSetupLines(Places.settingsFile))
        page_.values = settings::ValuesOfLines(*lines);
    // The screen as the player sees it now (F11 may have switched it).
    page_.values.fullScreen = platform::View::Instance().FullScreen();
    opened_ = page_.values;
    keyList_ = {};
    showingKeys_ = false;
    Note->clear();
    ShowRows();
    SpeakChosenRow();
    // The music is not lowered here: the player hears the volume he sets.
    platform::ShowModal(*this, [] { return ShutdownRequested; });
    if (!ShutdownRequested) WriteIfChanged();
}

void SettingsWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) ShowRows();
    BackgroundWindow::changeEvent(event);
}

void SettingsWindow::Apply(int16_t row) {
    const settings::SetupValues& values = page_.values;
    platform::View& view = platform::View::Instance();
    switch (row) {
        case kRowSound:
        case kRowMusic:
            ApplySound(values.soundOn, values.music);
            break;
        case kRowVolume:
            Volume = static_cast<float>(values.volume) / settings::kVolumeMax;
            break;
        case kRowTick:
            TickDelay = static_cast<int16_t>(values.tick);
            break;
        case kRowScale:
            if (values.scale != view.ChosenScale()) view.Configure(values.scale, view.FullScreen());
            break;
        case kRowFullScreen:
            view.SetFullScreen(values.fullScreen);
            break;
        case kRowPauseOnFocusLoss:
            if (pauseOnFocusLossChanged) pauseOnFocusLossChanged(values.pauseOnFocusLoss);
            break;
        case kRowCornerHelp:
            ChooseCornerHelp(values.cornerHelp);
            break;
        case kRowLanguage:
            // At once, here and in every window behind (each hears of it,
            // QEvent::LanguageChange), and on the terminal.
            UseLanguage(values.language);
            UseTerminalLanguage(values.language);
            break;
        case kRowDifficulty:
            // For the next new game; the game under way keeps its own.
            ChosenDifficulty = values.difficulty;
            break;
        case kRowLargeText:
            // The windows that are read grow at once, this one too.
            view.SetLargeText(values.largeText);
            Access = AccessOf(values);
            break;
        case kRowFlashing:
        case kRowFireToggles:
        case kRowDeadZone:
        case kRowSpeech:
            // The drawing, the windows, the keys of play and the pad read
            // them as they go.
            Access = AccessOf(values);
            break;
        case kRowRunTimer:
            if (runTimerChanged) runTimerChanged(values.runTimer);
            break;
        default:
            break;
    }
}

void SettingsWindow::ApplyAll() {
    for (int16_t row = 0; row < kSettingsRowCount; ++row)
        if (RowHasValue(row)) Apply(row);
    ApplyKeys();
}

void SettingsWindow::ApplyKeys() {
    SetActiveKeyBindings(KeyBindings(page_.values.keys));
}

void SettingsWindow::Form_KeyDown(int16_t keyCode, int16_t shift) {
    if (showingKeys_)
        KeyListKey(keyCode, shift);
    else
        SettingsKey(keyCode);
}

void SettingsWindow::SettingsKey(int16_t keyCode) {
    switch (SettingsKeyDown(page_, keyCode)) {
        case SettingsAction::kChanged:
            Apply(page_.row);
            break;
        case SettingsAction::kOpenKeys:
            OpenKeys();
            return;
        case SettingsAction::kDefaults:
            ApplyAll();
            break;
        case SettingsAction::kClose:
            Close();
            return;
        case SettingsAction::kMoved:
        case SettingsAction::kNothing:
            break;
    }
    if (page_.row == kRowDifficulty && CanResume)
        Note->setText(Shown("Settings", kDifficultyLaterNote));
    else
        Note->clear();
    ShowRows();
    SpeakChosenRow();
}

void SettingsWindow::SpeakChosenRow() {
    QString name, value;
    if (showingKeys_) {
        if (keyList_.row == kKeyListBack) {
            name = Shown("Settings", QT_TRANSLATE_NOOP("Settings", "Zpět"));
        } else {
            const auto command = static_cast<std::size_t>(keyList_.row);
            name = CommandName(command);
            value = KeyCaptionOf(page_.values.keys[command]);
        }
    } else {
        name = Shown("Settings", SettingsRowName(page_.row));
        value = Shown("Settings", SettingsRowValue(page_.values, page_.row));
    }
    QString spoken = value.isEmpty() ? name : name + QStringLiteral(": ") + value;
    // The row's note is said with it (the difficulty's while a game is under way).
    if (!Note->text().isEmpty()) spoken += QStringLiteral(". ") + Note->text();
    Speak(spoken.toStdString());
}

void SettingsWindow::OpenKeys() {
    showingKeys_ = true;
    keyList_ = {};
    Note->clear();
    ShowRows();
    SpeakChosenRow();
}

void SettingsWindow::KeyListKey(int16_t keyCode, int16_t shift) {
    const KeyListResult result = KeyListKeyDown(keyList_, page_.values.keys, keyCode, shift);
    switch (result.action) {
        case KeyListAction::kLeave:
            showingKeys_ = false;
            page_.row = kRowKeys;
            Note->clear();
            break;
        case KeyListAction::kRebound:
            ApplyKeys();
            Note->clear();
            break;
        case KeyListAction::kRefused: {
            const std::size_t owner = settings::OwnerOf(
                page_.values.keys, static_cast<std::size_t>(keyList_.row), keyCode);
            const std::string pattern(settings::RefusalPattern(result.refusal));
            Note->setText(FromUtf8(settings::FillRefusal(
                Shown("Keys", pattern).toStdString(), result.refusal, keyCode,
                KeyCaptionOf(keyCode).toStdString(), CommandName(owner).toStdString())));
            break;
        }
        case KeyListAction::kWaiting:
            Note->setText(
                Shown("Settings",
                      QT_TRANSLATE_NOOP(
                          "Settings", "Stiskněte novou klávesu pro příkaz %1 (Esc nechá starou)."))
                    .arg(CommandName(static_cast<std::size_t>(keyList_.row))));
            break;
        case KeyListAction::kCancelled:
        case KeyListAction::kMoved:
            Note->clear();
            break;
        case KeyListAction::kNothing:
            break;
    }
    ShowRows();
    // What the player must know now: the note, else where he is.
    if (!Note->text().isEmpty())
        Speak(Note->text().toStdString());
    else if (result.action != KeyListAction::kNothing)
        SpeakChosenRow();
}

void SettingsWindow::ShowRows() {
    auto* footer = findChild<QLabel*>(QStringLiteral("footer"));
    setWindowTitle(Shown("Settings", QT_TRANSLATE_NOOP("Settings", "Karvelun - nastavení")));
    if (footer) footer->setText(Shown("Settings", showingKeys_ ? kKeysFooter : kRowsFooter));
    if (auto* title = findChild<QLabel*>(QStringLiteral("title")))
        title->setText(showingKeys_
                           ? Shown("Settings", QT_TRANSLATE_NOOP("Settings", "Klávesy"))
                           : Shown("Settings", QT_TRANSLATE_NOOP("Settings", "Nastavení")));
    const int16_t chosen = showingKeys_ ? keyList_.row : page_.row;
    const int16_t rows = showingKeys_ ? kKeyListRowCount : kSettingsRowCount;
    for (int16_t i = 0; i < kSettingsRowCount; ++i) {
        QString name, value;
        if (i < rows && showingKeys_) {
            if (i == kKeyListBack) {
                name = Shown("Settings", QT_TRANSLATE_NOOP("Settings", "Zpět"));
            } else {
                name = CommandName(static_cast<std::size_t>(i));
                value = keyList_.waiting && i == chosen
                            ? QStringLiteral("…")
                            : KeyCaptionOf(page_.values.keys[static_cast<std::size_t>(i)]);
            }
        } else if (i < rows) {
            name = Shown("Settings", SettingsRowName(i));
            value = Shown("Settings", SettingsRowValue(page_.values, i));
            if (i == chosen && RowHasValue(i)) value = QStringLiteral("◄ %1 ►").arg(value);
        }
        if (i == chosen) name = QStringLiteral("► ") + name;
        RowNames[i]->setText(name);
        RowValues[i]->setText(value);
        Recolour(*RowNames[i], i == chosen ? kChosenRowColour : kRowNameColour);
        Recolour(*RowValues[i], i == chosen ? kChosenRowColour : kRowValueColour);
    }
}

void SettingsWindow::Form_MouseDown(float x, float y) {
    const int16_t rows = showingKeys_ ? kKeyListRowCount : kSettingsRowCount;
    const int16_t row = SettingRowAt(x, y, rows);
    if (row < 0) return;
    if (showingKeys_) {
        // A click chooses the command and waits for its key; on "Zpět" it
        // goes back.
        keyList_.waiting = false;
        keyList_.row = row;
        KeyListKey(vk::Return, 0);
        return;
    }
    page_.row = row;
    if (!RowHasValue(row) || x < kRowValueLeft) {
        // On a name, a click chooses the row; on "Klávesy…", "Výchozí" and
        // "Zpět" it presses them.
        if (RowHasValue(row))
            ShowRows();
        else
            SettingsKey(vk::Return);
        return;
    }
    // On a value: its left half lowers it, its right half raises it (an
    // Ano/Ne turns over either way).
    SettingsKey(x < kRowValueLeft + kRowValueWidth / 2 ? vk::Left : vk::Right);
}

bool SettingsWindow::TakePadKey(int16_t keyCode, bool pressed, bool autoRepeat) {
    if (!showingKeys_ || !keyList_.waiting) return false;
    if (pressed && !autoRepeat && keyCode == vk::Escape) KeyListKey(vk::Escape, 0);
    return true;
}

void SettingsWindow::keyPressEvent(QKeyEvent* event) {
    // A held key moves on through the rows and values as a held arrow does,
    // but chooses no key and presses nothing twice.
    const auto key = platform::VirtualKeyOf(*event);
    if (!key) {
        // A key the game cannot see: a waiting command is told so.
        if (showingKeys_ && keyList_.waiting && !event->isAutoRepeat()) KeyListKey(0, 0);
        return;
    }
    const bool steps = key->keyCode == vk::Up || key->keyCode == vk::Down ||
                       key->keyCode == vk::Left || key->keyCode == vk::Right;
    if (event->isAutoRepeat() && (!steps || keyList_.waiting)) return;
    Form_KeyDown(key->keyCode, key->shift);
}

void SettingsWindow::Close() {
    showingKeys_ = false;
    hide();
}

void SettingsWindow::closeEvent(QCloseEvent* event) {
    // The window manager's close button closes it as Esc does.
    event->ignore();
    Close();
}

void SettingsWindow::WriteIfChanged() {
    if (page_.values == opened_) return;
    const std::string& path = Places.settingsFileToWrite;
    // A try-out or a watched recording keeps its changes for this run.
    if (path.empty()) return;
    std::string error;
    if (!settings::WriteSetupIni(path, page_.values, &error)) {
        // Composed here, in the player's language.
        const QString text =
            Shown("Message", QT_TRANSLATE_NOOP("Message",
                                               "Nastavení se nepodařilo uložit do souboru %1 (%2). "
                                               "Platí jen do konce této hry."))
                .arg(QString::fromStdString(path), QString::fromStdString(error));
        Windows().ShowMessageBox(text.toStdString(), "Karvelun");
        return;
    }
    // Read from the player's own file from now on.
    Places.settingsFile = path;
}

}  // namespace game
