// The choice of a campaign for a new game, opened by the menu's "Nová hra"
// when campaign packs are there: the built-in campaign first (chosen), then
// the packs by name, each with its author, version and number of levels.
// Enter, a click on an entry or the pad's A plays the chosen one; Esc, the
// pad's B or "Zpět" goes back to the menu.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "game/levels/campaign_packs.h"
#include "game/windows/dialog_window.h"

namespace game {

class CampaignWindow : public DialogWindow {
    Q_OBJECT
  public:
    explicit CampaignWindow(QWidget* parent = nullptr);
    ~CampaignWindow() override;

    // The campaigns: row 0 the built-in one, then the packs in their order.
    DialogList* List1;

    // Fills the list, the built-in campaign chosen, and forgets any choice.
    void ShowCampaigns(std::vector<CampaignPack> packs, int32_t builtInLevels);

    // What the player chose when the window closed: nothing when he went
    // back; else the pack, or an empty pack for the built-in campaign.
    const std::optional<std::optional<CampaignPack>>& Choice() const { return choice_; }

    // 0 "Hrát": the chosen campaign; 1 "Zpět": back to the menu.
    void DialogItems(int16_t ix) override;

  protected:
    DialogList* SavesList() override { return List1; }
    QWidget* FirstFocus() override { return List1; }
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void FillList();

    std::vector<CampaignPack> packs_;
    int32_t builtInLevels_ = 0;
    std::optional<std::optional<CampaignPack>> choice_;
};

// The list's texts in the language shown: the entry's first line, the
// name (with the folder name when another pack has the same name), and its
// second, the author, version and number of levels.
QString CampaignEntryText(const std::vector<CampaignPack>& packs, size_t index);
QString BuiltInCampaignText(int32_t levels);
// The built-in campaign's name.
QString BuiltInCampaignName();

}  // namespace game
