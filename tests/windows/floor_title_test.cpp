// A floor is named one way wherever the player reads it: the load dialog and
// the question after a run that ended badly name each floor of the campaign
// exactly as the floor's own greeting sign does, in Czech and in English.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/core/game_state.h"
#include "game/core/level_names.h"
#include "game/core/tile_kinds.h"
#include "game/levels/byte_stream.h"
#include "game/levels/package_record.h"
#include "game/levels/text_catalogue.h"
#include "game/platform/file_io.h"
#include "game/windows/floor_title.h"
#include "game/windows/language.h"

namespace {

using namespace game;

TEST(FloorTitle, EveryFloorIsNamedAsItsGreetingNamesIt) {
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(KARVELUN_CAMPAIGN_PACKAGE, bytes));
    ByteReader in(bytes);
    PackageRecord package;
    ASSERT_TRUE(ReadPackageRecord(in, false, package));
    std::string error;
    const auto english = TextCatalogue::Load(KARVELUN_CAMPAIGN_ENGLISH, &error);
    ASSERT_TRUE(english) << error;

    for (int32_t n = 0; n < static_cast<int32_t>(package.levels.size()); ++n) {
        const std::string greeting = std::to_string(n) + ". patro: ";
        int greetings = 0;
        for (const TileRecord& tile : package.levels[size_t(n)].tiles) {
            if (tile.Kind != kSign || tile.Param1.rfind(greeting, 0) != 0) continue;
            ++greetings;
            const std::string* translation = english->Find(tile.Param1);
            ASSERT_NE(translation, nullptr) << tile.Param1;
            UseLanguage(settings::Language::kCzech);
            EXPECT_EQ(FloorTitle(n, LevelName(n)).toStdString(), tile.Param1);
            UseLanguage(settings::Language::kEnglish);
            EXPECT_EQ(FloorTitle(n, LevelName(n)).toStdString(), *translation);
        }
        EXPECT_GT(greetings, 0) << "level " << n << " has no greeting";
    }
    // A level the campaign has no name for is its number alone.
    EXPECT_EQ(FloorTitle(82, "").toStdString(), "Floor 82");
    UseLanguage(settings::Language::kCzech);
    EXPECT_EQ(FloorTitle(82, "").toStdString(), "82. patro");
    EXPECT_EQ(LevelName(static_cast<int32_t>(package.levels.size())), "");
}

}  // namespace
