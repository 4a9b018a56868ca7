// The load dialog (Form6): the list of saves, newest first (filled by the
// main menu, the newest chosen), "Nahrát" and "Zpět".  Beside the list a
// panel tells of the chosen save: a small picture of its play field, its
// level, when it was written and how long its game had been played.
// Loading while a game is under way asks first.
#pragma once

#include <QImage>
#include <QLabel>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/menu/save_board.h"
#include "game/settings/difficulty_setting.h"
#include "game/windows/dialog_window.h"

namespace game {

class Form6 : public DialogWindow {
    Q_OBJECT
  public:
    // Wider than the other dialogs by the panel beside the list, and as
    // wide as the menu it opens over.
    static constexpr int kWidth = 483;
    // The thumbnail's place, in the game's pixels: in the panel's middle.
    static constexpr int kThumbnailX = 335;
    static constexpr int kThumbnailY = 8;

    explicit Form6(QWidget* parent = nullptr);
    ~Form6() override;

    // The saves.
    DialogList* List1;
    // The panel: the chosen save's level (its name alone for a save that
    // has no description), its campaign, when it was written, its play time.
    QLabel* LevelLabel;
    QLabel* CampaignLabel;  // the campaign the save is of
    QLabel* WrittenLabel;
    QLabel* PlayTimeLabel;

    // Fills the list with the saves in their order and chooses the newest
    // whole one.
    void ShowSaves(std::vector<LoadBoardEntry> saves);

    // The chosen save's thumbnail at the game's size; null when nothing is
    // chosen or the save has none.
    const QImage& Thumbnail() const { return thumbnail_; }

    // The window's picture: the dialogs' stone frame ("gui2") drawn round
    // the list and round the panel.
    void SetFramePicture(const QImage& picture);

    // 0 "Nahrát": loads the chosen save and returns to the game;
    // 1 "Zpět": back to the menu.
    void DialogItems(int16_t ix) override;

    void List1_KeyDown(int16_t keyCode);

  protected:
    DialogList* SavesList() override { return List1; }
    QWidget* FirstFocus() override { return List1; }
    bool eventFilter(QObject* watched, QEvent* event) override;
    void PaintContent(QPainter& painter) override;
    void changeEvent(QEvent* event) override;
    void Rescaled() override;

  private:
    // What the panel shows of a listed save, made once as the list is
    // filled.
    struct ListedSave {
        std::string name;
        std::optional<SaveDescription> description;  // without its thumbnail
        QImage thumbnail;
    };

    // Shows the chosen save in the panel.
    void ShowChosenSave();

    std::vector<ListedSave> saves_;  // as List1's rows
    QImage thumbnail_;
    // The thumbnail at the view's scale.
    QImage scaledThumbnail_;
    // A save is chosen: its thumbnail's outline is drawn.
    bool chosen_ = false;
};

// The panel's texts in the language shown (the floor is a FloorTitle): the
// local date and time written, the play time ("Doba hry: 1:02:03", "?" when
// unknown).
QString SaveWrittenText(int64_t writtenAt);
// With the easy game named after it.
QString SaveWrittenText(int64_t writtenAt, settings::Difficulty difficulty);
// The campaign of a save: the pack's name, or the built-in campaign's for a
// save that names no pack.
QString SaveCampaignText(const std::string& campaignName);
QString SavePlayTimeText(std::optional<uint64_t> frames);

}  // namespace game
