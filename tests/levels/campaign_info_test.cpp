// campaign.ini: what a campaign of one's own says about itself.
#include <gtest/gtest.h>

#include <string>

#include "game/levels/campaign_info.h"

namespace {

using namespace game;

TEST(CampaignInfo, WhatIsWrittenReadsBackAndEveryFaultNamesItsLine) {
    CampaignInfo info;
    info.name = "Hrobka pod mlýnem";
    info.author = "Jana Nováková";
    info.version = "1.2";
    info.languages = {"cs", "en"};
    info.endLevel = 3;
    info.endTile = 112;
    info.description = "Tři patra pod starým mlýnem.";
    std::string error;
    EXPECT_EQ(ParseCampaignInfo(FormatCampaignInfo(info), &error), info) << error;
    // A pack of the first format is written without a Format line, as
    // every pack was before the line; no line and Format=1 are that format.
    EXPECT_EQ(FormatCampaignInfo(info).find("Format"), std::string::npos);
    EXPECT_EQ(ParseCampaignInfo("Nazev=A\nFormat=1\nKonec=0,5\n", &error)->format, 1) << error;
    // As a text editor on another system may write it.
    EXPECT_EQ(ParseCampaignInfo("\xEF\xBB\xBF# můj balík\r\nNazev = A\r\n\r\nKonec=0,5\r\n", &error)
                  ->name,
              "A")
        << error;
    // Marks and embeddings that turn the text's direction are dropped: a
    // U+202E would draw the list line reversed.
    const std::optional<CampaignInfo> turned = ParseCampaignInfo(
        "Nazev=\u202Eabc\u200F \u061Cd\u202A\nAutor=\u2066Eli\u200Eška\u2069\nKonec=1,5\n", &error);
    ASSERT_TRUE(turned) << error;
    EXPECT_EQ(turned->name, "abc d");
    EXPECT_EQ(turned->author, "Eliška");

    const struct {
        const char* text;
        const char* error;
    } broken[] = {
        {"Konec=1,2\n", "no Nazev= (the campaign's name)"},
        {"Nazev=A\n", "no Konec= (the level and tile where the game ends)"},
        {"Nazev=A\nKonec=1\n", "line 2: Konec takes"},
        {"Nazev=A\nKonec=1,625\n", "line 2: Konec takes"},
        {"Nazev=A\nKonec=-1,5\n", "line 2: Konec takes"},
        {"Nazev=A\nKonec=x,5\n", "line 2: Konec takes"},
        {"Nazev=A\nJazyk=de\nKonec=1,5\n", "line 2: Jazyk takes"},
        {"Nazev=A\nJazyk=cs,cs\nKonec=1,5\n", "line 2: Jazyk takes"},
        {"Nazev=\nKonec=1,5\n", "line 1: the name is empty"},
        {"Nazev=\u202E\u2067\nKonec=1,5\n", "line 1: the name is empty"},
        {"Nazev=A\nKonec=0,591\n", "line 2: Konec names tile 591 of level 0, where a new game"},
        {"Nazev=A\nKonce=1,5\n", "line 2: unknown key \"Konce\""},
        {"Nazev=A\nkonec\n", "line 2: no \"=\""},
        {"Nazev=A\xFF\nKonec=1,5\n", "line 1: the value is not UTF-8"},
        {"Nazev=A\tB\nKonec=1,5\n", "line 1: the value is not UTF-8"},
        {"Nazev=A\nKonec=1,5\nFormat=2\n",
         "line 3: the pack is of format version 2, this game reads packs up to version 1"},
        {"Nazev=A\nFormat=0\nKonec=1,5\n", "line 2: Format takes"},
        {"Nazev=A\nFormat=1.1\nKonec=1,5\n", "line 2: Format takes"},
    };
    for (const auto& b : broken) {
        error.clear();
        EXPECT_FALSE(ParseCampaignInfo(b.text, &error)) << b.text;
        EXPECT_EQ(error.rfind(b.error, 0), 0u) << b.text << " gave " << error;
    }
}

}  // namespace
