// Every text a player reads, in Czech and in English, laid out with the
// game's font where it shows: the windows' labels, buttons, check boxes and
// lists, the texts the menu and the dialogs print on their pictures, the
// settings window's rows with every value they take, the settings tool, and
// the campaign's signs over the field and its message screens in the notice.
// Each is measured at every scale a window is shown at: 1x to 4x, and the
// factor that fills this run's screen (--screen=WxH) in a window and in full
// screen, since a font enlarged does not always grow as its box does.  A
// text that leaves its place is named with its window, control and scale.
// All of it at the normal size of the letters and with large text
// (VelkePismo), where the windows that are read grow at least 1.3 times with
// their letters.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <QTranslator>

#include "game/core/key_bindings.h"
#include "game/core/level_names.h"
#include "game/core/tile_kinds.h"
#include "game/desktop/fonts.h"
#include "game/desktop/view.h"
#include "game/levels/byte_stream.h"
#include "game/levels/package_record.h"
#include "game/levels/text_catalogue.h"
#include "game/menu/dialog_buttons.h"
#include "game/menu/menu_rules.h"
#include "game/menu/settings_rows.h"
#include "game/platform/file_io.h"
#include "game/platform/keys.h"
#include "game/play/going_on.h"
#include "game/settings/key_names.h"
#include "game/windows/campaign_window.h"
#include "game/windows/credits_window.h"
#include "game/windows/floor_title.h"
#include "game/windows/glow_canvas.h"
#include "game/windows/help_window.h"
#include "game/windows/language.h"
#include "game/windows/load_window.h"
#include "game/windows/menu_window.h"
#include "game/windows/notice_window.h"
#include "game/windows/progress_window.h"
#include "game/windows/question_window.h"
#include "game/windows/records_window.h"
#include "game/windows/save_window.h"
#include "game/windows/settings_window.h"
#include "setup/form1.h"
#include "support/screen_test_main.h"
#include "windows/game_window_test.h"

namespace {

using namespace game;
using core_testing::GameWindowTest;

// The play field, 25 tiles of 20 pixels a side.
constexpr int kFieldWidth = 500;

// The screen of this run.
QSize gScreen(1920, 1080);

// The views every text is measured in: each whole scale in a window, and
// the factor that fills the screen, in a window and in full screen.
struct ViewCase {
    int choice;  // as the Zvetseni setting gives it
    bool fullScreen;
};
constexpr ViewCase kViews[] = {{1, false},
                               {2, false},
                               {3, false},
                               {4, false},
                               {platform::kFillChoice, false},
                               {platform::kFillChoice, true}};

// Shows every window of the game in the view; its name for the report.
QString ShowIn(const ViewCase& view) {
    platform::View& shown = platform::View::Instance();
    shown.Configure(view.choice, view.fullScreen);
    QApplication::processEvents();
    const double factor = shown.FillFactor() > 0 ? shown.FillFactor() : shown.Scale();
    return QStringLiteral("%1x%2").arg(factor, 0, 'g', 3).arg(view.fullScreen ? " full" : "");
}

// What does not fit, one line each.
class Overflows {
  public:
    void Report(const QString& where, const QString& text, const QString& why) {
        lines_ << QStringLiteral("%1 [%2 %3]: \"%4\" %5").arg(where, language_, view_, text, why);
    }
    void SetLanguage(const QString& language) { language_ = language; }
    void SetView(const QString& view) { view_ = view; }
    QString Text() const { return lines_.join('\n'); }
    bool Empty() const { return lines_.isEmpty(); }

  private:
    QStringList lines_;
    QString language_;
    QString view_;
};

QString Size(int width, int height) {
    return QStringLiteral("%1x%2").arg(width).arg(height);
}

QString ControlName(const QWidget& control) {
    const QRect place = control.geometry();
    const QString name =
        control.objectName().isEmpty() ? control.metaObject()->className() : control.objectName();
    return QStringLiteral("%1 at %2,%3").arg(name).arg(place.x()).arg(place.y());
}

// A label shows its text in its contents: a wrapping label breaks it at the
// label's width and must not run below it, any label must not run past its
// sides.
void MeasureLabel(const QString& window, const QLabel& label, const QString& text,
                  Overflows& overflows) {
    if (text.isEmpty()) return;
    const QRect room = label.contentsRect();
    const QFontMetrics metrics(label.font());
    const int flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    const QRect used = metrics.boundingRect(QRect(0, 0, room.width(), 100000), flags, text);
    if (used.width() > room.width() || used.height() > room.height())
        overflows.Report(
            window + " / " + ControlName(label), text,
            QStringLiteral("needs %1, has %2")
                .arg(Size(used.width(), used.height()), Size(room.width(), room.height())));
}

// Beside the text a button keeps its frame's margins, a check box its box,
// a list box its arrow.
void MeasureControls(const QString& window, QWidget& top, Overflows& overflows) {
    for (QLabel* label : top.findChildren<QLabel*>())
        MeasureLabel(window, *label, label->text(), overflows);
    // Nor may a text stand outside its window or over another text.
    std::vector<std::pair<QLabel*, QRect>> shown;
    for (QLabel* label : top.findChildren<QLabel*>())
        if (label->isVisibleTo(&top) && !label->text().isEmpty())
            shown.emplace_back(label, QRect(label->mapTo(&top, QPoint(0, 0)), label->size()));
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto& [label, place] = shown[i];
        if (!top.rect().contains(place))
            overflows.Report(
                window + " / " + ControlName(*label), label->text(),
                QStringLiteral("leaves the window of %1").arg(Size(top.width(), top.height())));
        for (std::size_t j = i + 1; j < shown.size(); ++j)
            if (place.intersects(shown[j].second))
                overflows.Report(window + " / " + ControlName(*label), label->text(),
                                 QStringLiteral("lies over \"%1\"").arg(shown[j].first->text()));
    }
    const auto wide = [&](const QWidget& control, const QString& text, int room) {
        const int width = QFontMetrics(control.font()).horizontalAdvance(text);
        if (width > room)
            overflows.Report(window + " / " + ControlName(control), text,
                             QStringLiteral("needs %1 px, has %2").arg(width).arg(room));
    };
    for (QPushButton* button : top.findChildren<QPushButton*>()) {
        const QString text = QString(button->text()).remove('&');
        if (text.isEmpty()) continue;
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        wide(*button, text, button->width() - margin);
    }
    for (QCheckBox* box : top.findChildren<QCheckBox*>()) {
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect textRoom =
            box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        wide(*box, QString(box->text()).remove('&'), textRoom.width());
    }
    for (QComboBox* combo : top.findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const QRect textRoom = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                              QStyle::SC_ComboBoxEditField, combo);
        for (int i = 0; i < combo->count(); ++i)
            wide(*combo, combo->itemText(i), textRoom.width());
    }
}

// A text the menu or a dialog prints on its picture stays inside the item's
// hit area, centred where the Czech text stands, in the device pixels of the
// window's scale.
struct PrintedItem {
    const char* text;
    Rect hitArea;
    int x;
};

void MeasurePrinted(const QString& window, const platform::BackgroundWindow& shownIn,
                    const std::vector<PrintedItem>& items, Overflows& overflows) {
    const double factor = shownIn.Placement().Factor();
    GlowCanvas canvas(platform::GameFont(9.75));
    canvas.Follow(QImage(1, 1, QImage::Format_RGB32), factor);
    const QFontMetrics printed(canvas.Font());
    const auto device = [&](int x) { return static_cast<int>(std::lround(x * factor)); };
    for (const PrintedItem& item : items) {
        const char* czech = item.text;
        const QString text = Shown("Menu", czech);
        const int left = device(canvas.CentredLike(text, QString::fromUtf8(czech), item.x));
        const int right = left + printed.horizontalAdvance(text);
        if (left < device(item.hitArea.Left) || right > device(item.hitArea.Right))
            overflows.Report(window, text,
                             QStringLiteral("spans %1..%2, the item %3..%4")
                                 .arg(left)
                                 .arg(right)
                                 .arg(device(item.hitArea.Left))
                                 .arg(device(item.hitArea.Right)));
    }
}

std::vector<PrintedItem> MenuItems() {
    std::vector<PrintedItem> items;
    for (const MenuItemLayout& item : kMenuLayout)
        items.push_back({item.text, item.hitArea, item.textX});
    return items;
}

std::vector<PrintedItem> ButtonsOf(const DialogButtonsLayout& layout) {
    std::vector<PrintedItem> items;
    for (const DialogButtonLayout& button : layout)
        items.push_back({button.caption, button.hitArea, button.captionX});
    return items;
}

// The settings window's rows with every value they can show, chosen (with
// its marks) as the widest.
void MeasureSettingsRows(SettingsWindow& window, Overflows& overflows) {
    std::vector<settings::SetupValues> variants(2);
    variants[1].soundOn = !variants[0].soundOn;
    variants[1].fullScreen = !variants[0].fullScreen;
    variants[1].pauseOnFocusLoss = !variants[0].pauseOnFocusLoss;
    variants[1].cornerHelp = !variants[0].cornerHelp;
    variants[1].language = settings::Language::kEnglish;
    variants[1].difficulty = settings::Difficulty::kEasy;
    variants[0].tick = 0;
    variants[1].tick = 20000;
    variants[1].volume = variants[1].music = 100;
    variants[1].flashing = !variants[0].flashing;
    variants[1].largeText = variants[1].fireToggles = variants[1].speech = true;
    variants[0].deadZone = settings::kDeadZoneMin;
    variants[1].deadZone = settings::kDeadZoneMax;
    for (int scale = 0; scale <= settings::kScaleFill; ++scale) {
        variants.push_back(variants[0]);
        variants.back().scale = scale;
    }
    for (int16_t row = 0; row < kSettingsRowCount; ++row) {
        MeasureLabel("Settings window", *window.RowNames[row],
                     QStringLiteral("► ") + Shown("Settings", SettingsRowName(row)), overflows);
        if (!RowHasValue(row)) continue;
        for (const settings::SetupValues& values : variants)
            MeasureLabel(
                "Settings window", *window.RowValues[row],
                QStringLiteral("◄ %1 ►").arg(Shown("Settings", SettingsRowValue(values, row))),
                overflows);
    }
}

// The key list in the settings window, and its note while each command waits
// for a key.
void MeasureKeyList(SettingsWindow& window, Overflows& overflows) {
    for (int i = 0; i < kSettingsRowCount && window.Page().row != kRowKeys; ++i)
        window.Form_KeyDown(platform::vk::Up, 0);
    ASSERT_EQ(window.Page().row, kRowKeys);
    window.Form_KeyDown(platform::vk::Return, 0);
    ASSERT_TRUE(window.ShowingKeys());
    MeasureControls("Settings window, keys", window, overflows);
    for (int16_t row = 0; row < kKeyListBack; ++row) {
        window.Form_KeyDown(platform::vk::Return, 0);
        MeasureControls("Settings window, waiting for a key", window, overflows);
        window.Form_KeyDown(platform::vk::Escape, 0);
        window.Form_KeyDown(platform::vk::Down, 0);
    }
    window.Form_KeyDown(platform::vk::Escape, 0);
}

// The load dialog's panel with every level's name, the widest dates and a
// long play time.
void MeasureLoadPanel(Form6& load, Overflows& overflows) {
    for (int32_t level = 0; !LevelName(level).empty(); ++level)
        MeasureLabel("Load", *load.LevelLabel, FloorTitle(level, LevelName(level)), overflows);
    MeasureLabel("Load", *load.LevelLabel, FloorTitle(2147483647, ""), overflows);
    // 30 September and 31 December 2026, 23:59 UTC (or the next morning).
    for (const int64_t written : {1790812740, 1798761540})
        for (const auto difficulty : {settings::Difficulty::kNormal, settings::Difficulty::kEasy})
            MeasureLabel("Load", *load.WrittenLabel, SaveWrittenText(written, difficulty),
                         overflows);
    MeasureLabel("Load", *load.CampaignLabel, SaveCampaignText(std::string()), overflows);
    MeasureLabel("Load", *load.PlayTimeLabel,
                 SavePlayTimeText(uint64_t{999} * 3600 * 60 + 59 * 60 * 60), overflows);
}

class TextFitTest : public GameWindowTest {
  protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        ASSERT_TRUE(platform::LoadGameFont(QStringLiteral(KARVELUN_UI_FONT)));
    }
    void TearDown() override {
        platform::View::Instance().SetLargeText(false);
        UseLanguage(settings::Language::kCzech);
        platform::View::Instance().Configure(0, false);
        GameWindowTest::TearDown();
    }

    // The letters' pixel sizes of the texts that are read: the log, the
    // notice, the help, the settings window, the load dialog's list and its
    // descriptions.
    std::vector<int> ReadLetterSizes() {
        WindowSet& set = *windows;
        std::vector<int> sizes;
        sizes.push_back(set.form1().Text1->font().pixelSize());
        for (QWidget* window :
             std::initializer_list<QWidget*>{&set.form2(), &set.help(), &set.settings(),
                                             &set.form6(), &set.form7(), &set.records()})
            for (const QWidget* control : window->findChildren<QWidget*>())
                if (qobject_cast<const QLabel*>(control) ||
                    qobject_cast<const QListWidget*>(control))
                    sizes.push_back(control->font().pixelSize());
        return sizes;
    }

    // Measures the window as it shows when it opens modally.
    template <typename Open>
    void MeasureOpened(const QString& name, QWidget& window, Open open) {
        QTimer::singleShot(0, &window, [&] {
            MeasureControls(name, window, overflows);
            window.hide();
        });
        open();
    }

    void MeasureWindows() {
        WindowSet& set = *windows;
        MeasureControls("Game window", set.form1(), overflows);
        MeasureControls("Credits", set.form4(), overflows);
        MeasureControls("Question", set.form5(), overflows);
        for (const char* question : {kLoseGameQuestion, kOverwriteQuestion, kSystemEndQuestion})
            MeasureLabel("Question", *set.form5().Label1, Shown("Question", question), overflows);
        // The question after a run that ended badly names the floor.
        for (int32_t level = 0; !LevelName(level).empty(); ++level)
            MeasureLabel(
                "Question", *set.form5().Label1,
                Shown("Question", kUncleanEndQuestion).arg(FloorTitle(level, LevelName(level))),
                overflows);
        MeasureControls("Load", set.form6(), overflows);
        MeasureLoadPanel(set.form6(), overflows);
        MeasureControls("Save", set.form7(), overflows);
        MeasureControls("Progress", set.form8(), overflows);
        MeasureControls("Settings window", set.settings(), overflows);
        // The help names the keyboard's keys or the pad's buttons, whichever
        // was used last.  Its tips follow fire switched by its key and texts
        // read aloud.
        for (const auto used : {&KeyboardKeyUsed, &PadKeyUsed}) {
            used();
            for (const bool switched : {false, true}) {
                Access.fireToggles = Access.speech = switched;
                MeasureOpened("Help", set.help(), [&] { set.help().ShowHelp(KeyBindings()); });
            }
        }
        Access = {};
        KeyboardKeyUsed();
        MeasureOpened("Records", set.records(), [&] { set.records().ShowRecords(false, false); });
        MeasurePrinted("Menu", set.form3(), MenuItems(), overflows);
        MeasurePrinted("Question", set.form5(), ButtonsOf(kQuestionButtons), overflows);
        MeasurePrinted("Load", set.form6(), ButtonsOf(kLoadButtons), overflows);
        MeasurePrinted("Save", set.form7(), ButtonsOf(kSaveButtons), overflows);
        MeasurePrinted("Campaigns", set.campaigns(), ButtonsOf(kCampaignButtons), overflows);
        MeasureSettingsRows(set.settings(), overflows);
        MeasureKeyList(set.settings(), overflows);
    }

    // The settings tool speaks the language it was started in, at the whole
    // scale of the game's windows.
    void MeasureSettingsTool(bool english) {
        QTranslator translator;
        if (english) {
            ASSERT_TRUE(translator.load(QStringLiteral(":/translations/setup_en.qm")));
            QCoreApplication::installTranslator(&translator);
        }
        const QString file = QString::fromStdString((folder / "setup.ini").string());
        for (int scale = 1; scale <= settings::kScaleMax; ++scale) {
            overflows.SetView(QStringLiteral("%1x").arg(scale));
            setup::Form1 tool(file, file, scale);
            MeasureControls("Settings tool", tool, overflows);
        }
        if (english) QCoreApplication::removeTranslator(&translator);
    }

    Overflows overflows;
};

TEST_F(TextFitTest, EveryWindowTextFitsItsControlInBothLanguagesAtEveryScaleAndBothSizes) {
    const std::vector<int> normal = ReadLetterSizes();
    for (const bool large : {false, true}) {
        platform::View::Instance().SetLargeText(large);
        if (large) {
            const std::vector<int> larger = ReadLetterSizes();
            ASSERT_EQ(larger.size(), normal.size());
            for (std::size_t i = 0; i < normal.size(); ++i)
                EXPECT_GE(larger[i], 1.3 * normal[i]) << "text " << i;
        }
        for (const bool english : {false, true}) {
            UseLanguage(english ? settings::Language::kEnglish : settings::Language::kCzech);
            ASSERT_EQ(EnglishShown(), english);
            overflows.SetLanguage(QString(english ? "en" : "cs") + (large ? ", large" : ""));
            for (const ViewCase& view : kViews) {
                overflows.SetView(ShowIn(view));
                MeasureWindows();
            }
            platform::View::Instance().Configure(0, false);
            if (!large) MeasureSettingsTool(english);
        }
    }
    EXPECT_TRUE(overflows.Empty()) << overflows.Text().toStdString();
}

// A sign floats its text over the field, kept whole inside it: it must not
// be wider than the field (printed at the field's own size, it is enlarged
// with it).  A message screen wraps in the notice and must not run below it
// at any scale.
TEST_F(TextFitTest, TheCampaignsSignsFitTheFieldAndItsMessagesTheNoticeAtEveryScaleAndBothSizes) {
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(KARVELUN_CAMPAIGN_PACKAGE, bytes));
    ByteReader in(bytes);
    PackageRecord package;
    ASSERT_TRUE(ReadPackageRecord(in, false, package));
    std::string error;
    const auto english = TextCatalogue::Load(KARVELUN_CAMPAIGN_ENGLISH, &error);
    ASSERT_TRUE(english) << error;

    // Every sign and message screen as it reads in either language, with
    // the names of the keyboard's keys or of the pad's buttons in place of
    // its {…}.
    struct Shown {
        QString where;
        const char* language;
        QString text;
    };
    std::vector<Shown> signs, messages;
    for (std::size_t n = 0; n < package.levels.size(); ++n) {
        for (int t = 0; t < kTileCount; ++t) {
            const TileRecord& tile = package.levels[n].tiles[t];
            if (tile.Kind != kSign && tile.Kind != kMessageScreen) continue;
            const std::string* translation = english->Find(tile.Param1);
            ASSERT_NE(translation, nullptr) << "level " << n << " tile " << t;
            for (const std::string* text : {&tile.Param1, translation}) {
                const bool czech = text == &tile.Param1;
                for (const auto device : {settings::KeyDevice::Keyboard, settings::KeyDevice::Pad})
                    (tile.Kind == kSign ? signs : messages)
                        .push_back({QStringLiteral("level %1 tile %2").arg(n).arg(t),
                                    czech ? "cs" : "en",
                                    QString::fromStdString(settings::FillKeyNames(
                                        *text, KeyBindings().Keys(), device,
                                        czech ? settings::KeyLanguage::Czech
                                              : settings::KeyLanguage::English))});
            }
        }
    }
    ASSERT_FALSE(signs.empty());
    ASSERT_FALSE(messages.empty());

    // The letters over the field as the game window prints them, at either
    // size.
    QFont largeField = platform::GameFont(8.25);
    largeField.setPixelSize(
        static_cast<int>(std::lround(largeField.pixelSize() * platform::kLargeTextZoom)));
    const QLabel& notice = *windows->form2().Label1;
    for (const bool large : {false, true}) {
        platform::View::Instance().SetLargeText(large);
        const QString size = large ? ", large" : "";
        const QFontMetrics field(large ? largeField : platform::GameFont(8.25));
        overflows.SetView(QStringLiteral("field"));
        for (const Shown& sign : signs) {
            overflows.SetLanguage(sign.language + size);
            if (const int width = field.horizontalAdvance(sign.text); width > kFieldWidth)
                overflows.Report(sign.where + " / sign", sign.text,
                                 QStringLiteral("is %1 px wide").arg(width));
        }
        for (const ViewCase& view : kViews) {
            overflows.SetView(ShowIn(view));
            for (const Shown& message : messages) {
                overflows.SetLanguage(message.language + size);
                MeasureLabel(message.where + " / notice", notice, message.text, overflows);
            }
        }
    }
    EXPECT_TRUE(overflows.Empty()) << overflows.Text().toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    return testing_support::RunTestsOnScreen(argc, argv, gScreen);
}
