#include "game/windows/load_window.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <cstring>

#include "game/core/game_state.h"
#include "game/core/play_time.h"
#include "game/core/windows.h"
#include "game/levels/current_campaign.h"
#include "game/levels/save_games.h"
#include "game/platform/keys.h"
#include "game/platform/pixel_scaler.h"
#include "game/platform/shown_text.h"
#include "game/play/game_flow.h"
#include "game/windows/campaign_window.h"
#include "game/windows/floor_title.h"
#include "game/windows/language.h"
#include "game/windows/menu_links.h"
#include "game/windows/menu_window.h"
#include "game/windows/question_window.h"
#include "game/windows/window_style.h"

namespace game {
namespace {

constexpr const char* kPlayTimeTemplate = SHOWN_TEXT("Load", "Doba hry: %1");
// When an easy game's save was written, and that it is one; the normal
// game's is told by the date alone ("normální" would not fit beside it).
constexpr const char* kWrittenEasyTemplate = SHOWN_TEXT("Load", "%1, lehká");

const QColor kSavesColour(255, 128, 0);
const QColor kSaveDetailColour(200, 152, 88);

// The panel beside the list, in the game's pixels: the stones of the list's
// frame and of the panel's meet at x 312; its texts lie under the picture
// and take all the room between the panel's stones, so that a floor's
// title breaks in two only when it must.
constexpr int kPanelLeft = DialogWindow::kDialogWidth + kStoneBorder;
constexpr int kPanelWidth = Form6::kWidth - kStoneBorder - kPanelLeft;

QImage ThumbnailImage(const SaveThumbnail& thumbnail) {
    if (thumbnail.width <= 0 || thumbnail.height <= 0 ||
        thumbnail.pixels.size() != size_t(thumbnail.width) * size_t(thumbnail.height))
        return {};
    QImage image(thumbnail.width, thumbnail.height, QImage::Format_RGB32);
    for (int y = 0; y < thumbnail.height; ++y)
        std::memcpy(image.scanLine(y), &thumbnail.pixels[size_t(y) * size_t(thumbnail.width)],
                    size_t(thumbnail.width) * sizeof(uint32_t));
    return image;
}

QLabel* MakePanelLabel(QWidget* parent, int top, int height, const QColor& colour,
                       double points = 8.25) {
    QLabel* label =
        MakeLabel(parent, QRect(kPanelLeft, top, kPanelWidth, height), colour, points, QString());
    // A level's line that needs one line of its two sits between them.
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

QString SaveWrittenText(int64_t writtenAt) {
    const QDateTime local = QDateTime::fromSecsSinceEpoch(writtenAt).toLocalTime();
    if (EnglishShown())
        return QLocale(QLocale::English, QLocale::UnitedKingdom)
            .toString(local, QStringLiteral("d MMM yyyy, H:mm"));
    return QLocale(QLocale::Czech).toString(local, QStringLiteral("d. M. yyyy H:mm"));
}

QString SaveCampaignText(const std::string& campaignName) {
    // A description of an earlier version may hold a name's direction controls.
    return campaignName.empty() ? BuiltInCampaignName()
                                : QString::fromStdString(WithoutDirectionControls(campaignName));
}

QString SavePlayTimeText(std::optional<uint64_t> frames) {
    return Shown("Load", kPlayTimeTemplate).arg(QString::fromStdString(PlayTimeText(frames)));
}

QString SaveWrittenText(int64_t writtenAt, settings::Difficulty difficulty) {
    if (difficulty != settings::Difficulty::kEasy) return SaveWrittenText(writtenAt);
    return Shown("Load", kWrittenEasyTemplate).arg(SaveWrittenText(writtenAt));
}

Form6::Form6(QWidget* parent) : DialogWindow(kLoadButtons, parent, kWidth) {
    List1 = new DialogList(this);
    List1->setGeometry(8, 8, 297, 158);
    StyleDialogControl(*List1, kSavesColour);
    List1->installEventFilter(this);
    // The panel follows the choice however it changes: keys, the pointer,
    // the pad, the list filled anew.
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] { ShowChosenSave(); });

    // The texts fill the panel below the picture down to the frame's stones.
    const int textTop = kThumbnailY + kThumbnailSize + 2;
    LevelLabel = MakePanelLabel(this, textTop, 28, kSavesColour);
    CampaignLabel = MakePanelLabel(this, textTop + 28, 14, kSaveDetailColour);
    // A little smaller: the date with an easy game's word stands on one line
    // between the stones.
    WrittenLabel = MakePanelLabel(this, textTop + 42, 14, kSaveDetailColour, 7.5);
    PlayTimeLabel = MakePanelLabel(this, textTop + 56, 14, kSaveDetailColour);
    MenuLinks().load = this;
}

Form6::~Form6() {
    UnlinkWindow(MenuLinks().load, this);
}

void Form6::ShowSaves(std::vector<LoadBoardEntry> saves) {
    saves_.clear();
    saves_.reserve(saves.size());
    const QSignalBlocker quiet(List1);
    List1->clear();
    for (LoadBoardEntry& entry : saves) {
        ListedSave& listed = saves_.emplace_back();
        listed.name = std::move(entry.name);
        if (entry.description) {
            listed.thumbnail = ThumbnailImage(entry.description->thumbnail);
            entry.description->thumbnail = {};
            listed.description = std::move(entry.description);
        }
        List1->addItem(QString::fromStdString(listed.name));
    }
    const int newest = NewestWholeEntry(saves);
    if (newest >= 0) List1->setCurrentRow(newest);
    ShowChosenSave();
}

void Form6::ShowChosenSave() {
    QListWidgetItem* chosen = List1->SelectedEntry();
    const int row = chosen ? List1->row(chosen) : -1;
    const ListedSave* save =
        row >= 0 && row < static_cast<int>(saves_.size()) ? &saves_[size_t(row)] : nullptr;
    chosen_ = save != nullptr;
    thumbnail_ = save ? save->thumbnail : QImage();
    scaledThumbnail_ = QImage();
    if (!save) {
        LevelLabel->clear();
        CampaignLabel->clear();
        WrittenLabel->clear();
        PlayTimeLabel->clear();
    } else if (const std::optional<SaveDescription>& about = save->description) {
        LevelLabel->setText(FloorTitle(about->level, about->levelName));
        CampaignLabel->setText(SaveCampaignText(
            about->campaignName.empty() && !about->campaign.empty() ? about->campaign
                                                                    : about->campaignName));
        WrittenLabel->setText(SaveWrittenText(about->writtenAt, about->difficulty));
        PlayTimeLabel->setText(SavePlayTimeText(about->playFrames));
    } else {
        // A save from before descriptions: its name alone.
        LevelLabel->setText(QString::fromStdString(save->name));
        CampaignLabel->setText(SaveCampaignText(std::string()));
        WrittenLabel->clear();
        PlayTimeLabel->setText(SavePlayTimeText(std::nullopt));
    }
    update();
}

void Form6::SetFramePicture(const QImage& picture) {
    QImage frame = StoneFrame(picture, QSize(kWidth, kDialogHeight));
    if (picture.width() > 2 * kStoneBorder && picture.height() == kDialogHeight) {
        // The list's frame ends where the dialogs' picture ends and the
        // panel's begins: their right and left stones side by side.
        QPainter painter(&frame);
        const int w = picture.width();
        painter.drawImage(QPoint(kDialogWidth - kStoneBorder, 0), picture,
                          QRect(w - kStoneBorder, 0, kStoneBorder, picture.height()));
        painter.drawImage(QPoint(kDialogWidth, 0), picture,
                          QRect(0, 0, kStoneBorder, picture.height()));
    }
    SetBackground(frame);
}

void Form6::Rescaled() {
    scaledThumbnail_ = QImage();
    DialogWindow::Rescaled();
}

void Form6::PaintContent(QPainter& painter) {
    DialogWindow::PaintContent(painter);
    if (!chosen_) return;
    const platform::ViewPlacement& view = Placement();
    // A one-pixel outline round the picture's place, also for a save that
    // has no picture.
    PaintOutline(painter, view,
                 Rect{kThumbnailX - 1, kThumbnailY - 1, kThumbnailX + kThumbnailSize + 1,
                      kThumbnailY + kThumbnailSize + 1});
    if (thumbnail_.isNull()) return;
    if (scaledThumbnail_.isNull()) {
        // Enlarged like the window's picture, once for each scale.
        const int width = view.DevicePixelsOf(kThumbnailX + thumbnail_.width()) -
                          view.DevicePixelsOf(kThumbnailX);
        const int height = view.DevicePixelsOf(kThumbnailY + thumbnail_.height()) -
                           view.DevicePixelsOf(kThumbnailY);
        if (view.Fills()) {
            scaledThumbnail_ = QImage(width, height, QImage::Format_RGB32);
            platform::FillPixels(
                reinterpret_cast<const uint32_t*>(thumbnail_.constBits()),
                static_cast<std::size_t>(thumbnail_.bytesPerLine() / 4), thumbnail_.width(),
                thumbnail_.height(), reinterpret_cast<uint32_t*>(scaledThumbnail_.bits()),
                static_cast<std::size_t>(scaledThumbnail_.bytesPerLine() / 4), width, height);
        } else {
            scaledThumbnail_ =
                thumbnail_.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        }
    }
    DrawDevicePixels(painter, kThumbnailX, kThumbnailY, scaledThumbnail_);
}

void Form6::changeEvent(QEvent* event) {
    // Another language: the panel in its words.
    if (event->type() == QEvent::LanguageChange) ShowChosenSave();
    DialogWindow::changeEvent(event);
}

void Form6::DialogItems(int16_t ix) {
    QListWidgetItem* chosen = EntryToOpen(ix);
    if (!chosen) return;
    QString name = chosen->text();

    // A save of a campaign that is not here (or not as it was): the box
    // says so, and the dialog stays.
    if (std::optional<PlayerText> refusal = SaveCampaignRefusal(name.toStdString())) {
        Windows().ShowMessageBox(*refusal, "Karvelun");
        return;
    }

    if (CanResume && !AskPlayer(kLoseGameQuestion, Answer::kNo)) return;

    // The save may have gone since the list was filled: say so and show
    // what is there now, instead of leaving for a game that cannot come.
    if (!SaveExists(name.toStdString())) {
        Windows().ShowMessageBox(kNoSaveLine, "Karvelun");
        if (Form3* menu = MenuLinks().menu) menu->FillBoard(*this);
        return;
    }

    hide();
    if (Form3* menu = MenuLinks().menu) menu->hide();
    switch (LoadChosenGame(name.toStdString())) {
        case AfterLoad::kPlay:
            Windows().ResumeGameWindow();
            break;
        case AfterLoad::kMenu:
            Windows().ShowMainMenu();
            break;
        case AfterLoad::kShutDown:
            break;
    }
}

void Form6::List1_KeyDown(int16_t keyCode) {
    if (keyCode == platform::vk::Return) DialogItems(0);
}

bool Form6::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List1 && event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (IsEnterKey(*keyEvent)) {
            if (!keyEvent->isAutoRepeat()) List1_KeyDown(platform::vk::Return);
            return true;
        }
    }
    return DialogWindow::eventFilter(watched, event);
}

}  // namespace game
