// Every text a player reads, in Czech and in English, laid out with the
// game's font where it shows: the windows' labels, buttons, check boxes and
// lists, the texts the menu and the dialogs print on their pictures, the
// settings window's rows with every value they take, the settings tool, and
// the campaign's signs over the field and its message screens in the notice.
// A text that leaves its place is named with its window and control.
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
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
#include "game/windows/credits_window.h"
#include "game/windows/glow_canvas.h"
#include "game/windows/help_window.h"
#include "game/windows/language.h"
#include "game/windows/load_window.h"
#include "game/windows/menu_window.h"
#include "game/windows/notice_window.h"
#include "game/windows/progress_window.h"
#include "game/windows/question_window.h"
#include "game/windows/save_window.h"
#include "game/windows/settings_window.h"
#include "setup/form1.h"
#include "windows/game_window_test.h"

namespace {

using namespace game;
using core_testing::GameWindowTest;

// The play field, 25 tiles of 20 pixels a side.
constexpr int kFieldWidth = 500;

// What does not fit, one line each.
class Overflows {
  public:
    void Report(const QString& where, const QString& text, const QString& why) {
        lines_ << QStringLiteral("%1 [%2]: \"%3\" %4").arg(where, language_, text, why);
    }
    void SetLanguage(const QString& language) { language_ = language; }
    QString Text() const { return lines_.join('\n'); }
    bool Empty() const { return lines_.isEmpty(); }

  private:
    QStringList lines_;
    QString language_;
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
// hit area, centred where the Czech text stands.
struct PrintedItem {
    const char* text;
    Rect hitArea;
    int x;
};

void MeasurePrinted(const QString& window, const std::vector<PrintedItem>& items,
                    Overflows& overflows) {
    const GlowCanvas canvas(platform::GameFont(9.75));
    for (const PrintedItem& item : items) {
        const char* czech = item.text;
        const QString text = Shown("Menu", czech);
        const int left = canvas.CentredLike(text, QString::fromUtf8(czech), item.x);
        const int right = left + canvas.TextWidth(text);
        if (left < item.hitArea.Left || right > item.hitArea.Right)
            overflows.Report(window, text,
                             QStringLiteral("spans %1..%2, the item %3..%4")
                                 .arg(left)
                                 .arg(right)
                                 .arg(item.hitArea.Left)
                                 .arg(item.hitArea.Right));
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
        MeasureLabel("Load", *load.LevelLabel, SaveLevelText(level, LevelName(level)), overflows);
    MeasureLabel("Load", *load.LevelLabel, SaveLevelText(2147483647, ""), overflows);
    // 30 September and 31 December 2026, 23:59 UTC (or the next morning).
    for (const int64_t written : {1790812740, 1798761540})
        MeasureLabel("Load", *load.WrittenLabel, SaveWrittenText(written), overflows);
    MeasureLabel("Load", *load.CampaignLabel, SaveCampaignText(std::string()), overflows);
    for (const auto difficulty : {settings::Difficulty::kNormal, settings::Difficulty::kEasy})
        MeasureLabel("Load", *load.PlayTimeLabel,
                     SavePlayTimeText(uint64_t{999} * 3600 * 60 + 59 * 60 * 60, difficulty),
                     overflows);
}

class TextFitTest : public GameWindowTest {
  protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        ASSERT_TRUE(platform::LoadGameFont(QStringLiteral(KARVELUN_UI_FONT)));
    }
    void TearDown() override {
        UseLanguage(settings::Language::kCzech);
        GameWindowTest::TearDown();
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
        for (const char* question :
             {kLoseGameQuestion, kOverwriteQuestion, kSystemEndQuestion, kUncleanEndQuestion})
            MeasureLabel("Question", *set.form5().Label1,
                         Shown("Question", question).replace(QLatin1String("%1"), "80"), overflows);
        MeasureControls("Load", set.form6(), overflows);
        MeasureLoadPanel(set.form6(), overflows);
        MeasureControls("Save", set.form7(), overflows);
        MeasureControls("Progress", set.form8(), overflows);
        MeasureControls("Settings window", set.settings(), overflows);
        // The help names the keyboard's keys or the pad's buttons, whichever
        // was used last.
        for (const auto used : {&KeyboardKeyUsed, &PadKeyUsed}) {
            used();
            MeasureOpened("Help", set.help(), [&] { set.help().ShowHelp(KeyBindings()); });
        }
        KeyboardKeyUsed();
        MeasurePrinted("Menu", MenuItems(), overflows);
        MeasurePrinted("Question", ButtonsOf(kQuestionButtons), overflows);
        MeasurePrinted("Load", ButtonsOf(kLoadButtons), overflows);
        MeasurePrinted("Save", ButtonsOf(kSaveButtons), overflows);
        MeasurePrinted("Campaigns", ButtonsOf(kCampaignButtons), overflows);
        MeasureSettingsRows(set.settings(), overflows);
        MeasureKeyList(set.settings(), overflows);
    }

    // The settings tool speaks the language it was started in.
    void MeasureSettingsTool(bool english) {
        QTranslator translator;
        if (english) {
            ASSERT_TRUE(translator.load(QStringLiteral(":/translations/setup_en.qm")));
            QCoreApplication::installTranslator(&translator);
        }
        {
            setup::Form1 tool(QString::fromStdString(folder.string()));
            MeasureControls("Settings tool", tool, overflows);
        }
        if (english) QCoreApplication::removeTranslator(&translator);
    }

    Overflows overflows;
};

TEST_F(TextFitTest, EveryWindowTextFitsItsControlInBothLanguages) {
    for (const bool english : {false, true}) {
        UseLanguage(english ? settings::Language::kEnglish : settings::Language::kCzech);
        ASSERT_EQ(EnglishShown(), english);
        overflows.SetLanguage(english ? "en" : "cs");
        MeasureWindows();
        MeasureSettingsTool(english);
    }
    EXPECT_TRUE(overflows.Empty()) << overflows.Text().toStdString();
}

// A sign floats its text over the field, kept whole inside it: it must not
// be wider than the field.  A message screen wraps in the notice and must
// not run below it.
TEST_F(TextFitTest, TheCampaignsSignsFitTheFieldAndItsMessagesTheNotice) {
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(KARVELUN_CAMPAIGN_PACKAGE, bytes));
    ByteReader in(bytes);
    PackageRecord package;
    ASSERT_TRUE(ReadPackageRecord(in, false, package));
    std::string error;
    const auto english = TextCatalogue::Load(KARVELUN_CAMPAIGN_ENGLISH, &error);
    ASSERT_TRUE(english) << error;

    const QFontMetrics field(platform::GameFont(8.25));
    const QLabel& notice = *windows->form2().Label1;
    int signs = 0, messages = 0;
    for (std::size_t n = 0; n < package.levels.size(); ++n) {
        for (int t = 0; t < kTileCount; ++t) {
            const TileRecord& tile = package.levels[n].tiles[t];
            if (tile.Kind != kSign && tile.Kind != kMessageScreen) continue;
            const std::string* translation = english->Find(tile.Param1);
            ASSERT_NE(translation, nullptr) << "level " << n << " tile " << t;
            for (const std::string* text : {&tile.Param1, translation}) {
                const bool czech = text == &tile.Param1;
                overflows.SetLanguage(czech ? "cs" : "en");
                const QString where = QStringLiteral("level %1 tile %2").arg(n).arg(t);
                ++(tile.Kind == kSign ? signs : messages);
                // With the names of the keyboard's keys or of the pad's
                // buttons in place of its {…}.
                for (const auto device :
                     {settings::KeyDevice::Keyboard, settings::KeyDevice::Pad}) {
                    const QString shown = QString::fromStdString(settings::FillKeyNames(
                        *text, KeyBindings().Keys(), device,
                        czech ? settings::KeyLanguage::Czech : settings::KeyLanguage::English));
                    if (tile.Kind == kMessageScreen) {
                        MeasureLabel(where + " / notice", notice, shown, overflows);
                    } else if (const int width = field.horizontalAdvance(shown);
                               width > kFieldWidth) {
                        overflows.Report(where + " / sign", shown,
                                         QStringLiteral("is %1 px wide").arg(width));
                    }
                }
            }
        }
    }
    EXPECT_GT(signs, 0);
    EXPECT_GT(messages, 0);
    EXPECT_TRUE(overflows.Empty()) << overflows.Text().toStdString();
}

}  // namespace
