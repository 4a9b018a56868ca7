#include "game/windows/campaign_window.h"

#include <QKeyEvent>

#include "game/levels/campaign_info.h"
#include "game/platform/keys.h"
#include "game/platform/shown_text.h"
#include "game/windows/language.h"
#include "game/windows/menu_links.h"

namespace game {
namespace {

constexpr const char* kBuiltInName = SHOWN_TEXT("Campaigns", "Původní kampaň");
constexpr const char* kBuiltInDetails = SHOWN_TEXT("Campaigns", "pater: %1");
constexpr const char* kPackDetails = SHOWN_TEXT("Campaigns", "%1, verze %2, pater: %3");
constexpr const char* kUnknown = SHOWN_TEXT("Campaigns", "neznámý autor");

const QColor kCampaignsColour(255, 128, 0);

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString BuiltInCampaignName() {
    return Shown("Campaigns", kBuiltInName);
}

QString BuiltInCampaignText(int32_t levels) {
    return BuiltInCampaignName() + QLatin1Char('\n') +
           Shown("Campaigns", kBuiltInDetails).arg(levels);
}

QString CampaignEntryText(const std::vector<CampaignPack>& packs, size_t index) {
    const CampaignPack& pack = packs[index];
    QString name = FromUtf8(pack.info.name);
    for (size_t other = 0; other < packs.size(); ++other) {
        if (other != index && packs[other].info.name == pack.info.name) {
            name +=
                QStringLiteral(" (%1)").arg(FromUtf8(WithoutDirectionControls(pack.folderName)));
            break;
        }
    }
    const QString author =
        pack.info.author.empty() ? Shown("Campaigns", kUnknown) : FromUtf8(pack.info.author);
    const QString version =
        pack.info.version.empty() ? QStringLiteral("?") : FromUtf8(pack.info.version);
    return name + QLatin1Char('\n') +
           Shown("Campaigns", kPackDetails).arg(author, version).arg(pack.levelCount);
}

CampaignWindow::CampaignWindow(QWidget* parent) : DialogWindow(kCampaignButtons, parent) {
    List1 = new DialogList(this);
    List1->setGeometry(8, 8, 297, 158);
    StyleDialogControl(*List1, kCampaignsColour);
    List1->setTextElideMode(Qt::ElideRight);
    List1->setWordWrap(false);
    List1->installEventFilter(this);
    // A click on an entry plays it.
    connect(List1, &QListWidget::itemClicked, this, [this] { DialogItems(0); });
    MenuLinks().campaigns = this;
}

CampaignWindow::~CampaignWindow() {
    UnlinkWindow(MenuLinks().campaigns, this);
}

void CampaignWindow::ShowCampaigns(std::vector<CampaignPack> packs, int32_t builtInLevels) {
    packs_ = std::move(packs);
    builtInLevels_ = builtInLevels;
    choice_.reset();
    FillList();
    List1->setCurrentRow(0);
}

void CampaignWindow::FillList() {
    const int row = List1->currentRow();
    const QSignalBlocker quiet(List1);
    List1->clear();
    List1->addItem(BuiltInCampaignText(builtInLevels_));
    for (size_t i = 0; i < packs_.size(); ++i)
        List1->addItem(CampaignEntryText(packs_, i));
    if (row >= 0 && row < List1->count()) List1->setCurrentRow(row);
}

void CampaignWindow::DialogItems(int16_t ix) {
    QListWidgetItem* chosen = EntryToOpen(ix);
    if (!chosen) return;
    const int row = List1->row(chosen);
    if (row <= 0)
        choice_.emplace(std::nullopt);
    else if (static_cast<size_t>(row) <= packs_.size())
        choice_.emplace(packs_[static_cast<size_t>(row - 1)]);
    else
        return;
    hide();
}

bool CampaignWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List1 && event->type() == QEvent::KeyPress) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (IsEnterKey(*keyEvent)) {
            if (!keyEvent->isAutoRepeat()) DialogItems(0);
            return true;
        }
        if (keyEvent->key() == Qt::Key_Escape) {
            if (!keyEvent->isAutoRepeat()) DialogItems(1);
            return true;
        }
    }
    return DialogWindow::eventFilter(watched, event);
}

void CampaignWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        if (!event->isAutoRepeat()) DialogItems(1);
        return;
    }
    DialogWindow::keyPressEvent(event);
}

void CampaignWindow::changeEvent(QEvent* event) {
    // Another language: the entries in its words.
    if (event->type() == QEvent::LanguageChange) FillList();
    DialogWindow::changeEvent(event);
}

}  // namespace game
