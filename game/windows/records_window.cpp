#include "game/windows/records_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "game/core/acts.h"
#include "game/core/game_state.h"
#include "game/core/music_director.h"
#include "game/desktop/fonts.h"
#include "game/desktop/key_events.h"
#include "game/platform/keys.h"
#include "game/records/records_keeper.h"
#include "game/records/run_figures.h"
#include "game/windows/language.h"
#include "game/windows/menu_links.h"
#include "game/windows/window_style.h"

namespace game {
namespace {

namespace vk = platform::vk;

// No wider than the menu it opens over from the credits.
constexpr int kWidth = 483;
constexpr int kHeight = 372;
constexpr int kBorder = kStoneBorder;
// The list's letters, in points at the game's own pixels.
constexpr double kBodyPoints = 7.5;

const QColor kTitleColour(255, 128, 0);
const QColor kBodyColour(255, 224, 192);
const QColor kFooterColour(128, 128, 0);

QString Text(const char* czech) {
    return Shown("Records", czech);
}

QString Time(uint64_t frames) {
    return QString::fromStdString(HoursText(frames));
}

QString Mark(bool verified) {
    return verified ? Text(QT_TRANSLATE_NOOP("Records", "ověřeno"))
                    : Text(QT_TRANSLATE_NOOP("Records", "neověřeno"));
}

QString DifficultyName(Difficulty difficulty) {
    return difficulty == Difficulty::kEasy ? Text(QT_TRANSLATE_NOOP("Records", "lehká"))
                                           : Text(QT_TRANSLATE_NOOP("Records", "normální"));
}

}  // namespace

RecordsWindow::RecordsWindow(QWidget* parent)
    : BackgroundWindow(kWidth, kHeight, Qt::black, parent) {
    setFocusPolicy(Qt::StrongFocus);
    // Read, not played: with large text it grows as the help does.
    SetReadsLarger(true);
    Title = MakeLabel(this, QRect(kBorder, 16, kWidth - 2 * kBorder, 20), kTitleColour, 12, {});
    // Many bests and every achievement: the list scrolls with the arrows.
    scroll_ = new QScrollArea(this);
    scroll_->setGeometry(24, 44, kWidth - 48, kHeight - 44 - 34);
    scroll_->setFrameShape(QFrame::NoFrame);
    QPalette black = scroll_->palette();
    black.setColor(QPalette::Window, Qt::black);
    scroll_->setPalette(black);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setFocusPolicy(Qt::NoFocus);
    Body = MakeLabel(nullptr, QRect(0, 0, kWidth - 64, 10), kBodyColour, kBodyPoints, {});
    Body->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Body->setTextFormat(Qt::PlainText);
    Body->setWordWrap(true);
    scroll_->setWidget(Body);
    scroll_->setWidgetResizable(true);
    Footer = MakeLabel(this, QRect(kBorder, kHeight - 30, kWidth - 2 * kBorder, 16), kFooterColour,
                       8.25, {});
    for (QLabel* label : {Title, Body, Footer})
        label->setFocusPolicy(Qt::NoFocus);
    MenuLinks().records = this;
}

RecordsWindow::~RecordsWindow() {
    UnlinkWindow(MenuLinks().records, this);
}

void RecordsWindow::Rescaled() {
    // The list lies in its scroll area, not in the window: its letters and
    // the area's bar follow the window's scale here.
    QFont font = Body->font();
    font.setPixelSize(std::max(
        1, static_cast<int>(
               std::lround(platform::PixelSizeOfPoints(kBodyPoints) * Placement().Unit()))));
    Body->setFont(font);
    StyleStoneScrollBarForUnit(*scroll_, Placement().Unit());
}

void RecordsWindow::SetFramePicture(const QImage& picture) {
    SetBackground(StoneFrame(picture, QSize(kWidth, kHeight)));
}

QString RecordsWindow::BodyText(bool replay, bool finishedRun) {
    QStringList lines;
    // The game under way or last played, so far; the run just finished whole.
    if (finishedRun || CurrentRunStatistics().run != 0) {
        const RunFigures run = FiguresOfRun(CurrentRunStatistics());
        lines << Text(QT_TRANSLATE_NOOP("Records",
                                        "Tato hra: %1, smrtí %2, nahrání %3, "
                                        "zabitých %4, zlata %5"))
                     .arg(Time(run.ending ? run.ending->frames : run.frames))
                     .arg(run.deaths)
                     .arg(run.reloads)
                     .arg(run.kills)
                     .arg(run.gold);
        QStringList acts;
        for (const ActFigures& act : run.acts)
            acts << QStringLiteral("%1 %2").arg(ActNumeral(act.act), Time(act.frames));
        if (!acts.isEmpty()) lines << acts.join(QStringLiteral(" · "));
        lines << QString();
    }
    const RecordsKeeper* keeper = CurrentRecordsKeeper();
    static const PlayerRecords kNone;
    const PlayerRecords& records = keeper ? keeper->Records() : kNone;
    // Only the game's own cave has its campaign at hand for a replay.
    const auto verified = [&](const BestKey& key, bool fastest, const BestRecord& best) {
        return key.campaign.empty() &&
               BestAgrees(key.scope, fastest, best, replays_.Output(best.recordings, replay));
    };
    lines << Text(QT_TRANSLATE_NOOP("Records", "Nejlepší výkony"));
    if (records.bests.empty())
        lines << Text(QT_TRANSLATE_NOOP("Records", "Zatím žádné: dohrajte některé dějství."));
    for (const auto& [key, bests] : records.bests) {
        QString where;
        if (key.campaign.empty()) {
            where = Text(QT_TRANSLATE_NOOP("Records", "Jeskyně"));
        } else {
            auto name = records.campaignNames.find(key.campaign);
            where = QString::fromStdString(name != records.campaignNames.end() ? name->second
                                                                               : key.campaign);
        }
        const QString scope =
            key.scope == kWholeCave
                ? Text(QT_TRANSLATE_NOOP("Records", "celá"))
                : Text(QT_TRANSLATE_NOOP("Records", "dějství %1")).arg(ActNumeral(key.scope));
        QString line =
            QStringLiteral("%1 (%2), %3:").arg(where, DifficultyName(key.difficulty), scope);
        if (bests.fastest)
            line += QStringLiteral(" ") + Text(QT_TRANSLATE_NOOP("Records", "nejrychleji %1 (%2)"))
                                              .arg(Time(bests.fastest->frames),
                                                   Mark(verified(key, true, *bests.fastest)));
        if (bests.fewestDeaths)
            line +=
                QStringLiteral(" ") + Text(QT_TRANSLATE_NOOP("Records", "nejméně smrtí %1 (%2)"))
                                          .arg(bests.fewestDeaths->value)
                                          .arg(Mark(verified(key, false, *bests.fewestDeaths)));
        lines << line;
    }
    lines << QString();
    int earnedCount = 0;
    QStringList achievements;
    for (const Achievement& a : Achievements()) {
        const EarnedAchievement* earned = records.Earned(a.id);
        QString line =
            QStringLiteral("%1 %2 – %3")
                .arg(earned ? QStringLiteral("★") : QStringLiteral("·"),
                     Shown("Achievements", a.name), Shown("Achievements", a.description));
        if (earned) {
            ++earnedCount;
            line += QStringLiteral(" (%1)").arg(
                Mark(AchievementAgrees(a, replays_.Output(earned->recordings, replay))));
        }
        achievements << line;
    }
    lines << Text(QT_TRANSLATE_NOOP("Records", "Ocenění: %1 z %2"))
                 .arg(earnedCount)
                 .arg(Achievements().size());
    lines << achievements;
    return lines.join(QLatin1Char('\n'));
}

void RecordsWindow::ShowRecords(bool replay, bool finishedRun) {
    setWindowTitle(Text(QT_TRANSLATE_NOOP("Records", "Karvelun - záznamy")));
    Title->setText(Text(QT_TRANSLATE_NOOP("Records", "Záznamy")));
    Footer->setText(
        Text(QT_TRANSLATE_NOOP("Records", "Šipky posouvají, Esc nebo Enter záznamy zavře.")));
    if (replay) QApplication::setOverrideCursor(Qt::WaitCursor);
    Body->setText(BodyText(replay, finishedRun));
    scroll_->verticalScrollBar()->setValue(0);
    if (replay) QApplication::restoreOverrideCursor();
    MusicOverlay lowered;
    platform::ShowModal(*this, [] { return ShutdownRequested; });
}

void RecordsWindow::keyPressEvent(QKeyEvent* event) {
    // The key that opened the window repeats its press here.
    if (event->isAutoRepeat()) return;
    const auto key = platform::VirtualKeyOf(*event);
    if (!key) return;
    QScrollBar* bar = scroll_->verticalScrollBar();
    if (key->keyCode == vk::Escape || key->keyCode == vk::Return)
        hide();
    else if (key->keyCode == vk::Down)
        bar->setValue(bar->value() + bar->singleStep() * 3);
    else if (key->keyCode == vk::Up)
        bar->setValue(bar->value() - bar->singleStep() * 3);
}

void RecordsWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

}  // namespace game
