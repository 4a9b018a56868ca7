#include "setup/form1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <QShowEvent>
#include <QtGlobal>
#include <algorithm>

#include <QCoreApplication>
#include "setup/chosen_keys.h"
#include "setup/hscrollbar.h"
#include "setup/key_button.h"
#include "setup/setup_ini_file.h"
#include "setup/terminal_text.h"

namespace setup {
namespace {

// A Czech text of the tool in the language setup.ini chose.
QString Text(const char* czech) {
    return QCoreApplication::translate("Setup", czech);
}

// The window is laid out in twips, 15 to a pixel.
constexpr int kTwipsPerPixel = 15;

// The window's client area in twips: the two first frames, one above the
// other, and the third beside them.
constexpr int kColumnTwipsWidth = 3135;
constexpr int kThirdFrameLeft = kColumnTwipsWidth + 15;
constexpr int kClientTwipsWidth = kThirdFrameLeft + kColumnTwipsWidth;
constexpr int kClientTwipsHeight = 9210;

// 8.25 points on the 96-dots-per-inch screen the layout was made for, fixed
// in pixels so the controls keep their sizes whatever the desktop's DPI.
constexpr int kFontPixels = 11;

void ShowErrorBox(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::critical(parent, title, text, QMessageBox::Ok);
}

// The keys' rows in the second frame: the first row's top and the step.
constexpr int kKeyRowsTop = 2340;
constexpr int kKeyRowStep = 300;

QString RefusalNote(KeyRefusal refusal, int key, const QString& owner) {
    const std::string pattern(settings::RefusalPattern(refusal));
    return QString::fromStdString(settings::FillRefusal(
        QCoreApplication::translate("Keys", pattern.c_str()).toStdString(), refusal, GameKeyOf(key),
        KeyCaption(key).toStdString(), owner.toStdString()));
}

// What a title bar needs for the title in a bold title font, with room for
// the window menu's icon and three buttons.
int TitleBarWidth(const QString& title) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9);
    font.setBold(true);
    constexpr int kIconAndButtons = 4 * 24;
    return QFontMetrics(font).horizontalAdvance(title) + kIconAndButtons + 16;
}

}  // namespace

Form1::Form1(const QString& appFolder, QWidget* parent)
    : Form1(SetupIniPath(appFolder), SetupIniPath(appFolder), parent) {}

int ToolScale(int gameChoice, bool fullScreen, platform::PixelSize screen,
              platform::PixelSize available, platform::PixelSize frame) {
    // The game's window, whose scale the tool follows.
    constexpr platform::PixelSize kGameClient{779, 516};
    constexpr platform::PixelSize kToolClient{kClientTwipsWidth / kTwipsPerPixel,
                                              kClientTwipsHeight / kTwipsPerPixel};
    const int game =
        platform::ChooseScale(gameChoice, fullScreen, screen, available, frame, kGameClient).whole;
    return std::max(1, std::min(game, platform::AutomaticScale(available, frame, kToolClient)));
}

Form1::Form1(const QString& readFile, const QString& writeFile, QWidget* parent)
    : Form1(readFile, writeFile, 1, parent) {}

Form1::Form1(const QString& readFile, const QString& writeFile, int scale, QWidget* parent)
    : QWidget(parent), readFile_(readFile), writeFile_(writeFile), scale_(std::max(1, scale)) {
    ShowError = [this](const QString& title, const QString& text) {
        ShowErrorBox(this, title, text);
    };
    CreateControls();
    ConnectHandlers();
    Form_Load();
}

QRect Form1::Twips(int left, int top, int width, int height) const {
    return QRect(left / kTwipsPerPixel * scale_, top / kTwipsPerPixel * scale_,
                 width / kTwipsPerPixel * scale_, height / kTwipsPerPixel * scale_);
}

void Form1::showEvent(QShowEvent* event) {
    // The first showing opens in the middle of the screen's free area (the
    // window system may not place it there, nor keep its title whole in a
    // corner).
    if (!placed_) {
        placed_ = true;
        if (QScreen* shown = screen()) {
            const QRect area = shown->availableGeometry();
            move(area.left() + (area.width() - width()) / 2,
                 area.top() + (area.height() - height()) / 2);
        }
    }
    QWidget::showEvent(event);
}

void Form1::CreateControls() {
    setWindowTitle(QStringLiteral("Orvane Setup v1.0"));
    // A window of a fixed size has nothing to maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // The first frame keeps the tool's old layout; the second, for the
    // game's windows and keys, was added below it and the window grew
    // downward, and again by a row for the music's volume and one for the
    // difficulty.  The third, for what every player may need, stands beside
    // them.  Should that be narrower than a title bar needs for the title
    // and its buttons, the window is widened on its right, the layout
    // staying where it is.
    const QRect client = Twips(0, 0, kClientTwipsWidth, kClientTwipsHeight);
    setFixedSize(std::max(client.width(), TitleBarWidth(windowTitle())), client.height());
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(kFontPixels * scale_);
    setFont(font);

    Frame1 = new QFrame(this);
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);  // the etched border of a group frame
    Frame1->setGeometry(Twips(0, 0, 3135, 1815));

    // Created in tab order: the box, the button, then the two bars.
    Check1 = new QCheckBox(Text(QT_TRANSLATE_NOOP("Setup", "Zvuky")), Frame1);
    Check1->setGeometry(Twips(120, 240, 855, 255));
    Check1->setChecked(true);

    Command1 = new QPushButton(Text(QT_TRANSLATE_NOOP("Setup", "Uložit a skončit")), Frame1);
    Command1->setGeometry(Twips(1680, 240, 1335, 255));
    // Enter presses the button as Space does when it has the keyboard.
    Command1->setAutoDefault(true);

    Label3 = new QLabel(Text(QT_TRANSLATE_NOOP("Setup", "Hlasitost zvuků")), Frame1);
    Label3->setGeometry(Twips(120, 600, 1455, 255));

    HScroll2 = new HScrollBar(Frame1);
    HScroll2->setGeometry(Twips(120, 840, 1455, 255));
    HScroll2->setRange(0, kVolumeMax);
    HScroll2->setSingleStep(1);
    HScroll2->setPageStep(10);
    HScroll2->setValue(kVolumeMax);

    Label4 = new QLabel(QStringLiteral("100%"), Frame1);
    Label4->setGeometry(Twips(1680, 840, 1335, 255));

    Label2 = new QLabel(Text(QT_TRANSLATE_NOOP("Setup", "Nastavení ticku")), Frame1);
    Label2->setGeometry(Twips(120, 1200, 1455, 255));

    HScroll1 = new HScrollBar(Frame1);
    HScroll1->setGeometry(Twips(120, 1440, 1455, 255));
    HScroll1->setRange(0, kTickMax);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(100);
    HScroll1->setValue(0);

    Label1 = new QLabel(QStringLiteral("Tick=0"), Frame1);
    Label1->setGeometry(Twips(1680, 1440, 1215, 255));

    Frame2 = new QFrame(this);
    Frame2->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame2->setGeometry(Twips(0, 1830, 3135, 7365));

    Label5 = new QLabel(Text(QT_TRANSLATE_NOOP("Setup", "Zvětšení")), Frame2);
    Label5->setGeometry(Twips(120, 240, 900, 255));

    Combo1 = new QComboBox(Frame2);
    // Wide enough for "automaticky", its right edge under the button's.
    Combo1->setGeometry(Twips(1080, 210, 1935, 315));
    Combo1->addItems({Text(QT_TRANSLATE_NOOP("Setup", "automaticky")), QStringLiteral("1×"),
                      QStringLiteral("2×"), QStringLiteral("3×"), QStringLiteral("4×"),
                      Text(QT_TRANSLATE_NOOP("Setup", "vyplnit"))});

    Check2 = new QCheckBox(Text(QT_TRANSLATE_NOOP("Setup", "Celá obrazovka")), Frame2);
    Check2->setGeometry(Twips(120, 600, 2895, 255));

    Check3 = new QCheckBox(Text(QT_TRANSLATE_NOOP("Setup", "Pauza při přepnutí okna")), Frame2);
    Check3->setGeometry(Twips(120, 960, 2895, 255));
    Check3->setChecked(true);

    Check4 = new QCheckBox(Text(QT_TRANSLATE_NOOP("Setup", "Pomoc na rozích")), Frame2);
    Check4->setGeometry(Twips(120, 1320, 2895, 255));
    Check4->setToolTip(Text(
        QT_TRANSLATE_NOOP("Setup", "Hrdina zaseknutý o roh zdi sklouzne k průchodu vedle sebe")));
    Check4->setChecked(true);

    // The music's volume, beside the effects' in the first frame and, like
    // that bar, off while the sound is off.
    Label8 = new QLabel(Text(QT_TRANSLATE_NOOP("Setup", "Hudba")), Frame2);
    Label8->setGeometry(Twips(120, 1680, 900, 255));
    HScroll3 = new HScrollBar(Frame2);
    HScroll3->setGeometry(Twips(1080, 1680, 1455, 255));
    HScroll3->setRange(0, kVolumeMax);
    HScroll3->setSingleStep(1);
    HScroll3->setPageStep(10);
    HScroll3->setValue(settings::kMusicVolumeDefault);
    Label9 = new QLabel(QStringLiteral("%1%").arg(settings::kMusicVolumeDefault), Frame2);
    Label9->setGeometry(Twips(2595, 1680, 480, 255));

    Label6 = new QLabel(Text(QT_TRANSLATE_NOOP("Setup", "Klávesy")), Frame2);
    Label6->setGeometry(Twips(120, 2040, 2895, 255));
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        const int top = kKeyRowsTop + static_cast<int>(i) * kKeyRowStep;
        KeyLabels[i] = new QLabel(CommandCaption(i), Frame2);
        KeyLabels[i]->setGeometry(Twips(120, top, 1455, 255));
        KeyButtons[i] = new KeyButton(Frame2);
        KeyButtons[i]->setGeometry(Twips(1680, top - 15, 1335, 285));
        KeyButtons[i]->SetKey(DefaultKeys()[i]);
        KeyButtons[i]->setToolTip(
            Text(QT_TRANSLATE_NOOP("Setup", "Klepněte a stiskněte novou klávesu")));
    }
    Command2 = new QPushButton(Text(QT_TRANSLATE_NOOP("Setup", "Výchozí")), Frame2);
    Command2->setGeometry(Twips(1680, 5400, 1335, 285));
    Command2->setAutoDefault(true);

    Label7 = new QLabel(Frame2);
    Label7->setGeometry(Twips(120, 5730, 2895, 450));
    Label7->setWordWrap(true);
    Label7->setStyleSheet(QStringLiteral("color: #a00000;"));

    // The language, at the frame's foot so that nothing above moved; each
    // language named in itself.
    Label10 = new QLabel(Text(QT_TRANSLATE_NOOP("Setup", "Jazyk")), Frame2);
    Label10->setGeometry(Twips(120, 6270, 900, 255));
    Combo2 = new QComboBox(Frame2);
    Combo2->setGeometry(Twips(1080, 6240, 1935, 315));
    Combo2->addItems({QStringLiteral("Čeština"), QStringLiteral("English")});

    // The difficulty below the language, the window grown by its row: what
    // the next new game is.
    Label11 = new QLabel(Text(QT_TRANSLATE_NOOP("Setup", "Obtížnost")), Frame2);
    Label11->setGeometry(Twips(120, 6630, 900, 255));
    Combo3 = new QComboBox(Frame2);
    Combo3->setGeometry(Twips(1080, 6600, 1935, 315));
    Combo3->addItems(
        {Text(QT_TRANSLATE_NOOP("Setup", "normální")), Text(QT_TRANSLATE_NOOP("Setup", "lehká"))});

    // The racer's timer below the difficulty, the window grown by its row.
    Check9 = new QCheckBox(Text(QT_TRANSLATE_NOOP("Setup", "Časomíra")), Frame2);
    Check9->setGeometry(Twips(120, 6990, 2895, 255));
    Check9->setToolTip(
        Text(QT_TRANSLATE_NOOP("Setup", "Čas hry v rohu hrací plochy a mezičas každého dějství")));
    CreateAccessControls();
}

void Form1::CreateAccessControls() {
    Frame3 = new QFrame(this);
    Frame3->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame3->setGeometry(Twips(kThirdFrameLeft, 0, kColumnTwipsWidth, kClientTwipsHeight - 15));

    Label12 = new QLabel(Text(QT_TRANSLATE_NOOP("Setup", "Pro každého hráče")), Frame3);
    Label12->setGeometry(Twips(120, 240, 2895, 255));
    QFont title = Label12->font();
    title.setBold(true);
    Label12->setFont(title);

    // Each setting, then two lines in grey that say what it does.
    constexpr int kNoteHeight = 480;
    const auto note = [this](int index, int top, const char* text) {
        QLabel* label = new QLabel(Text(text), Frame3);
        label->setGeometry(Twips(360, top, 2655, kNoteHeight));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setStyleSheet(QStringLiteral("color: #505050;"));
        AccessNotes[static_cast<std::size_t>(index)] = label;
    };
    const auto check = [this](int top, const char* text, bool on) {
        auto* box = new QCheckBox(Text(text), Frame3);
        box->setGeometry(Twips(120, top, 2895, 255));
        box->setChecked(on);
        return box;
    };
    Check5 = check(720, QT_TRANSLATE_NOOP("Setup", "Blikání"), true);
    note(0, 990,
         QT_TRANSLATE_NOOP("Setup",
                           "Vypnuto: zásah, málo životů ani výbuch nebliká ani nepulzuje."));
    Check6 = check(1680, QT_TRANSLATE_NOOP("Setup", "Velké písmo"), false);
    note(1, 1950, QT_TRANSLATE_NOOP("Setup", "Texty ve hře nejméně o třetinu větší."));
    Check7 = check(2640, QT_TRANSLATE_NOOP("Setup", "Střelba přepínačem"), false);
    note(2, 2910,
         QT_TRANSLATE_NOOP("Setup", "Jeden stisk střelby začne střílet, další stisk přestane."));

    Label13 = new QLabel(Text(QT_TRANSLATE_NOOP("Setup", "Mrtvá zóna páčky")), Frame3);
    Label13->setGeometry(Twips(120, 3600, 2895, 240));
    HScroll4 = new HScrollBar(Frame3);
    HScroll4->setGeometry(Twips(120, 3840, 1935, 255));
    HScroll4->setRange(settings::kDeadZoneMin, settings::kDeadZoneMax);
    HScroll4->setSingleStep(1);
    HScroll4->setPageStep(5);
    HScroll4->setValue(settings::kDeadZoneDefault);
    Label14 = new QLabel(QStringLiteral("%1%").arg(settings::kDeadZoneDefault), Frame3);
    Label14->setGeometry(Twips(2160, 3840, 855, 255));
    note(3, 4110, QT_TRANSLATE_NOOP("Setup", "Jak daleko je třeba vychýlit levou páčku ovladače."));

    Check8 = check(4800, QT_TRANSLATE_NOOP("Setup", "Předčítání"), false);
    note(4, 5070, QT_TRANSLATE_NOOP("Setup", "Hra čte nahlas nabídky, cedule a zprávy."));
}

void Form1::ConnectHandlers() {
    // toggled fires for clicks, keys and changes made in code alike, as
    // long as the state really changes.
    connect(Check1, &QCheckBox::toggled, this, &Form1::Check1_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form1::HScroll1_Change);
    connect(HScroll1, &QScrollBar::sliderMoved, this, &Form1::HScroll1_Scroll);
    connect(HScroll2, &QScrollBar::valueChanged, this, &Form1::HScroll2_Change);
    connect(HScroll2, &QScrollBar::sliderMoved, this, &Form1::HScroll2_Scroll);
    connect(HScroll3, &QScrollBar::valueChanged, this, &Form1::HScroll3_Change);
    connect(HScroll4, &QScrollBar::valueChanged, this, &Form1::HScroll4_Change);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        connect(KeyButtons[i], &QPushButton::clicked, this, [this, i] { KeyButtons_Click(i); });
        connect(KeyButtons[i], &KeyButton::KeyOffered, this,
                [this, i](int key, Qt::KeyboardModifiers modifiers) {
                    KeyButtons_KeyOffered(i, key, modifiers);
                });
    }
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
}

void Form1::Form_Load() {
    // Without a readable file the controls keep their initial states.
    const std::optional<SetupValues> values = ReadSetupIni(readFile_);
    if (!values) return;

    if (values->soundOn) {
        Check1->setChecked(true);
    } else {
        Check1->setChecked(false);
        HScroll2->setEnabled(false);
        HScroll3->setEnabled(false);
    }
    HScroll2->setValue(values->volume);
    HScroll3->setValue(values->music);
    HScroll1->setValue(values->tick);
    Combo1->setCurrentIndex(values->scale);
    Check2->setChecked(values->fullScreen);
    Check3->setChecked(values->pauseOnFocusLoss);
    Check4->setChecked(values->cornerHelp);
    Combo2->setCurrentIndex(values->language == settings::Language::kEnglish ? 1 : 0);
    Combo3->setCurrentIndex(values->difficulty == settings::Difficulty::kEasy ? 1 : 0);
    Check9->setChecked(values->runTimer);
    Check5->setChecked(values->flashing);
    Check6->setChecked(values->largeText);
    Check7->setChecked(values->fireToggles);
    HScroll4->setValue(values->deadZone);
    Check8->setChecked(values->speech);
    const KeyChoice keys = QtKeysOf(values->keys);
    for (std::size_t i = 0; i < kCommandCount; ++i)
        KeyButtons[i]->SetKey(keys[i]);
    otherLines_ = values->otherLines;
}

void Form1::Check1_Click() {
    HScroll2->setEnabled(Check1->isChecked());
    HScroll3->setEnabled(Check1->isChecked());
}

void Form1::HScroll1_Change() {
    Label1->setText(QStringLiteral("Tick=%1").arg(HScroll1->value()));
}

void Form1::HScroll1_Scroll() {
    HScroll1_Change();
}

void Form1::HScroll2_Change() {
    Label4->setText(QStringLiteral("%1%").arg(HScroll2->value()));
}

void Form1::HScroll2_Scroll() {
    HScroll2_Change();
}

void Form1::HScroll3_Change() {
    Label9->setText(QStringLiteral("%1%").arg(HScroll3->value()));
}

void Form1::HScroll4_Change() {
    Label14->setText(QStringLiteral("%1%").arg(HScroll4->value()));
}

SetupValues Form1::CurrentValues() const {
    SetupValues values;
    values.soundOn = Check1->isChecked();
    values.volume = HScroll2->value();
    values.tick = HScroll1->value();
    values.scale = Combo1->currentIndex();
    values.fullScreen = Check2->isChecked();
    values.pauseOnFocusLoss = Check3->isChecked();
    values.cornerHelp = Check4->isChecked();
    values.music = HScroll3->value();
    values.language =
        Combo2->currentIndex() == 1 ? settings::Language::kEnglish : settings::Language::kCzech;
    values.difficulty =
        Combo3->currentIndex() == 1 ? settings::Difficulty::kEasy : settings::Difficulty::kNormal;
    values.runTimer = Check9->isChecked();
    values.flashing = Check5->isChecked();
    values.largeText = Check6->isChecked();
    values.fireToggles = Check7->isChecked();
    values.deadZone = HScroll4->value();
    values.speech = Check8->isChecked();
    values.keys = GameKeysOf(ChosenKeys());
    values.otherLines = otherLines_;
    return values;
}

KeyChoice Form1::ChosenKeys() const {
    KeyChoice keys{};
    for (std::size_t i = 0; i < kCommandCount; ++i)
        keys[i] = KeyButtons[i]->Key();
    return keys;
}

void Form1::KeyButtons_Click(std::size_t index) {
    Label7->clear();
    KeyButtons[index]->StartWaiting();
}

void Form1::KeyButtons_KeyOffered(std::size_t index, int key, Qt::KeyboardModifiers modifiers) {
    const KeyChoice keys = ChosenKeys();
    const KeyRefusal refusal = RefusalOf(keys, index, key, modifiers);
    if (refusal != KeyRefusal::None) {
        // The button keeps waiting for another key.
        QString owner;
        for (std::size_t i = 0; i < kCommandCount; ++i)
            if (i != index && keys[i] == SameKeyForTheGame(key)) owner = CommandCaption(i);
        Label7->setText(RefusalNote(refusal, SameKeyForTheGame(key), owner));
        return;
    }
    Label7->clear();
    KeyButtons[index]->SetKey(SameKeyForTheGame(key));
}

void Form1::Command2_Click() {
    Label7->clear();
    const KeyChoice defaults = DefaultKeys();
    for (std::size_t i = 0; i < kCommandCount; ++i)
        KeyButtons[i]->SetKey(defaults[i]);
}

void Form1::Command1_Click() {
    const QString& path = writeFile_;
    QString reason;
    if (!WriteSetupIni(path, CurrentValues(), &reason)) {
        // Closing now would look as if the settings were saved: stay open so
        // the player can free the disk or the folder and try again.
        TellOnTerminal(
            TerminalText("Setup", QT_TRANSLATE_NOOP("Setup", "Nastavení nelze zapsat do %1: %2"))
                .arg(path, reason));
        ShowError(Text(QT_TRANSLATE_NOOP("Setup", "CHYBA!")),
                  Text(QT_TRANSLATE_NOOP("Setup",
                                         "Nastavení se nepodařilo uložit:\n%1\n\n"
                                         "Zkontrolujte, zda lze do složky zapisovat\n"
                                         "a zda je na disku volné místo, a zkuste to znovu."))
                      .arg(QDir::toNativeSeparators(path)));
        return;
    }
    close();
}

}  // namespace setup
