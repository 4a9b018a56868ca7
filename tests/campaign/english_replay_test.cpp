// The campaign's recorded playthrough played back with every text the rules
// show passed through the windows' own translation, as the player would
// read it: in English nothing Czech is left but the names the campaign's
// translation guide keeps, and in Czech every text is the rules' own bytes.
#include <gtest/gtest.h>

#include <QString>
#include <array>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "game/core/game_state.h"
#include "game/core/messages.h"
#include "game/levels/package_record.h"
#include "game/levels/save_folder.h"
#include "game/platform/file_io.h"
#include "game/replay/player.h"
#include "game/windows/language.h"
#include "game/windows/translated_text.h"
#include "tools/levels/bots/headless_game.h"

namespace {

namespace fs = std::filesystem;

// A text the player met: where it showed, the rules' Czech, what was shown.
struct Met {
    std::string where;
    std::string czech;
    std::string shown;
    bool operator==(const Met&) const = default;
};

std::string Utf8(const QString& text) {
    return text.toStdString();
}

// The windows as the replay needs them (the same widths and answers as the
// level tool's quiet windows, so the recording plays out the same), showing
// every text the way the real windows show it.  A text that shows on many
// frames (a floating text, the panel's values) is kept the first time.
class ShownTexts final : public game::SilentWindows {
  public:
    std::vector<Met> met;

    int TextWidth(const std::string& text) override { return 6 * static_cast<int>(text.size()); }
    void CloseMainWindow() override { game::ShutdownRequested = true; }

    void AppendLogLine(const game::PlayerText& text) override {
        met.push_back({"log", text.czech, Utf8(game::ShownText(text))});
    }
    void ShowNotice(const game::PlayerText& text) override {
        met.push_back({"notice", text.czech, Utf8(game::ShownText(text))});
    }
    void ShowMessageBox(const game::PlayerText& text, const std::string& title) override {
        met.push_back({"message box", text.czech, Utf8(game::ShownMessageText(text))});
        met.push_back({"message box title", title, Utf8(game::Shown("Message", title))});
    }
    void ShowStatus(const game::StatusCaptions& captions) override {
        for (const std::string& caption : captions)
            Once("panel", caption, caption);
    }
    void SetLivesCaption(const std::string& caption) override { Once("panel", caption, caption); }
    // The frame draws the rules' text in Czech and its translation in
    // English.
    void DrawFrame() override {
        for (int i = 0; i < game::FloatTextCount; ++i) {
            const game::FloatText& text = game::FloatTexts[i];
            if (game::EnglishShown())
                Once("floating", text.Text, Utf8(game::ShownText(game::TextOf(text))));
            else
                Once("floating", text.Text, text.Text);
        }
    }

  private:
    void Once(const char* where, const std::string& czech, const std::string& shown) {
        if (once_.insert({where, czech}).second) met.push_back({where, czech, shown});
    }
    std::set<std::pair<std::string, std::string>> once_;
};

// The playthrough from the built campaign, in the language given.
std::vector<Met> Replay(bool english) {
    const fs::path data = fs::path(KARVELUN_DIST_DIR) / "data";
    std::vector<uint8_t> campaign, recording;
    EXPECT_TRUE(game::ReadWholeFile((data / "levels.all").string(), campaign));
    EXPECT_TRUE(game::ReadWholeFile(KARVELUN_PLAYTHROUGH, recording, 1u << 30));

    levels_tool::HeadlessGame game;
    ShownTexts windows;
    game::SetWindows(&windows);
    // The campaign and its catalogue where the game keeps them.
    EXPECT_TRUE(game::WriteWholeFile(game::CampaignPackagePath(), campaign, false));
    const fs::path folder = fs::path(game::CampaignPackagePath()).parent_path();
    fs::copy_file(data / "levels.en", folder / "levels.en", fs::copy_options::overwrite_existing);
    game::UseLanguage(english ? settings::Language::kEnglish : settings::Language::kCzech);
    EXPECT_EQ(game::EnglishShown(), english);

    replay::Player player(replay::ParseRecording(recording));
    EXPECT_TRUE(player.Begin()) << player.Why();
    EXPECT_EQ(player.PlayToEnd(), replay::Player::State::Ended) << player.Why();
    game::UseLanguage(settings::Language::kCzech);
    return std::move(windows.met);
}

// The text with the names the guide keeps taken out, and what Czech letter
// is left in it; empty when none.
std::string CzechLetterIn(std::string text) {
    for (const char* name : {"Bořek", "Mlýnec"}) {
        for (size_t at; (at = text.find(name)) != std::string::npos;)
            text.erase(at, std::string(name).size());
    }
    static const std::array<std::string, 30> kLetters = {
        "á", "č", "ď", "é", "ě", "í", "ň", "ó", "ř", "š", "ť", "ú", "ů", "ý", "ž",
        "Á", "Č", "Ď", "É", "Ě", "Í", "Ň", "Ó", "Ř", "Š", "Ť", "Ú", "Ů", "Ý", "Ž"};
    for (const std::string& letter : kLetters)
        if (text.find(letter) != std::string::npos) return letter;
    return {};
}

TEST(EnglishReplay, PlaythroughShowsNoCzechInEnglishAndTheRulesOwnBytesInCzech) {
    const std::vector<Met> czech = Replay(false);
    const std::vector<Met> english = Replay(true);

    // In Czech the player reads what the rules wrote, byte for byte.
    for (const Met& text : czech)
        EXPECT_EQ(text.shown, text.czech) << text.where;
    // The rules say the same in either language: only the showing differs.
    ASSERT_EQ(english.size(), czech.size());
    for (size_t i = 0; i < czech.size(); ++i) {
        EXPECT_EQ(english[i].where, czech[i].where) << i;
        EXPECT_EQ(english[i].czech, czech[i].czech) << i;
    }

    std::set<std::string> where, untranslated;
    for (const Met& text : english) {
        where.insert(text.where);
        const std::string letter = CzechLetterIn(text.shown);
        if (!letter.empty()) untranslated.insert(text.where + ": " + text.shown);
    }
    for (const std::string& text : untranslated)
        ADD_FAILURE() << "Czech in English: " << text;
    // The playthrough meets every kind of text it is about.
    for (const char* kind : {"log", "notice", "floating", "panel"})
        EXPECT_TRUE(where.count(kind)) << kind;
}

}  // namespace
