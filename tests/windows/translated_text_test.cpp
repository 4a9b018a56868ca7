// The rules' texts as the windows show them: in Czech byte for byte as the
// rules write them, in English from the game's translation with English
// plurals, and the levels' texts from the campaign's catalogue.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>
#include <fstream>

#include "game/core/key_text.h"
#include "game/core/messages.h"
#include "game/levels/text_catalogue.h"
#include "game/windows/language.h"
#include "game/windows/translated_text.h"
#include "game/world/strelba.h"
#include "support/game_test.h"

namespace {

using namespace game;

class ShownTextTest : public testing_support::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        ASSERT_TRUE(translator_.load(QStringLiteral(KARVELUN_RULES_QM)));
        QCoreApplication::installTranslator(&translator_);
        KeyboardKeyUsed();
    }
    void TearDown() override {
        UseLanguage(settings::Language::kCzech);
        KeyboardKeyUsed();
        QCoreApplication::removeTranslator(&translator_);
        GameTest::TearDown();
    }

    static std::string Shown(const PlayerText& text, bool english) {
        UseLanguage(english ? settings::Language::kEnglish : settings::Language::kCzech);
        return ShownText(text).toStdString();
    }

  private:
    QTranslator translator_;
};

TEST_F(ShownTextTest, RulesTextsStayCzechAndReadInEnglishWithItsPlurals) {
    struct Case {
        PlayerText text;
        const char* czech;
        const char* english;
    };
    const Case cases[] = {
        {GoldFoundText(1), "Získal jsi 1 zlatý!", "You found 1 gold piece!"},
        {GoldFoundText(2), "Získal jsi 2 zlaté!", "You found 2 gold pieces!"},
        {GoldFoundText(5), "Získal jsi 5 zlatých!", "You found 5 gold pieces!"},
        {GoldFoundText(21), "Získal jsi 21 zlatých!", "You found 21 gold pieces!"},
        {LivesMessage("Byl jsi zraněn za ", 1), "Byl jsi zraněn za 1 život...",
         "You lost 1 life..."},
        {LivesMessage("Byl jsi zraněn za ", 2), "Byl jsi zraněn za 2 životy...",
         "You lost 2 lives..."},
        {LivesMessage("Monstrum bylo zraněno za ", 5), "Monstrum bylo zraněno za 5 životů...",
         "The monster lost 5 lives..."},
        {LivesMessage("Byl jsi vyléčen za ", 21), "Byl jsi vyléčen za 21 životů...",
         "You regained 21 lives..."},
        {CountedText(kExperiencePattern, 1), "Získal jsi 1 zkušeností!",
         "You gained 1 experience point!"},
        {CountedText(kExperiencePattern, 21), "Získal jsi 21 zkušeností!",
         "You gained 21 experience points!"},
        {CountedText("Úroveň %n", 2), "Úroveň 2", "Level 2"},
        // English puts a number's sign first.
        {CountedText(kGainPattern, 5), "5+", "+5"},
        {CountedText(kLossPattern, 21), "21-", "-21"},
        {"Monstrum bylo zabito...", "Monstrum bylo zabito...", "The monster was slain..."},
        {NamedText("Nelze načíst obrázek %1.", "obr/%2.bmp"), "Nelze načíst obrázek obr/%2.bmp.",
         "Cannot load the picture obr/%2.bmp."},
        // Without a translation the Czech is shown, with its own endings.
        {"Nikdo to nepřeložil.", "Nikdo to nepřeložil.", "Nikdo to nepřeložil."},
        {CountedText("Zbývají ti %n šípy", 3), "Zbývají ti 3 šípy", "Zbývají ti 3 šípy"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.text.czech, c.czech);
        EXPECT_EQ(Shown(c.text, false), c.czech);
        EXPECT_EQ(Shown(c.text, true), c.english) << c.czech;
    }
}

TEST_F(ShownTextTest, LevelTextsReadFromTheCatalogueBesideThePackageWithEnglishKeys) {
    const std::string welcome = "Pohybuješ se {Pohyb}. Drž {Strelba}!";
    const std::string untranslated = "Studna je hluboká!";
    const PlayerText sign = LevelText(WithKeyNames(welcome), welcome);
    const PlayerText plain = LevelText(untranslated, untranslated);
    // No catalogue beside the package: everything as written.
    EXPECT_EQ(Shown(sign, true), "Pohybuješ se šipkami. Drž Ctrl!");

    std::ofstream(appFolder / "data" / "levels.en") << FormatTextCatalogue(
        std::map<std::string, std::string>{{welcome, "You move with {Pohyb}. Hold {Strelba}!"},
                                           {"Monstrum bylo zabito...", "A level's own line."}});
    // The catalogue is read once for the folder; another folder reads its own.
    Places.data = (appFolder / "elsewhere").string();
    EXPECT_EQ(EnglishOfCampaignText(welcome), nullptr);
    Places.data = (appFolder / "data").string();
    ASSERT_NE(EnglishOfCampaignText(welcome), nullptr);

    EXPECT_EQ(Shown(sign, false), "Pohybuješ se šipkami. Drž Ctrl!");
    EXPECT_EQ(Shown(sign, true), "You move with the arrow keys. Hold Ctrl!");
    PadKeyUsed();
    EXPECT_EQ(Shown(sign, true), "You move with the left stick. Hold A!");
    EXPECT_EQ(Shown(plain, true), untranslated);
    // The rules' texts are not looked up among the levels', nor the other way.
    EXPECT_EQ(Shown("Monstrum bylo zabito...", true), "The monster was slain...");
    EXPECT_EQ(Shown(LevelText("Jsi mrtev...", "Jsi mrtev..."), true), "Jsi mrtev...");
}

}  // namespace
