// Finding the campaign packs: broken ones left out with a line each, packs of
// the same name both listed, the player's folder hiding a shared pack of the
// same folder name, and a hundred packs found quickly.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "game/levels/byte_stream.h"
#include "game/levels/campaign_packs.h"
#include "game/levels/package_record.h"
#include "levels/levels_test.h"

namespace {

using namespace game;
namespace fs = std::filesystem;

std::vector<uint8_t> PackageOf(int levels) {
    PackageRecord package;
    package.levels.assign(static_cast<size_t>(levels), levels_test::SampleLevel());
    ByteWriter out;
    WritePackageRecord(out, package);
    return out.Bytes();
}

void MakePack(const fs::path& folder, const std::string& ini, const std::vector<uint8_t>& levels) {
    fs::create_directories(folder);
    std::ofstream(folder / kCampaignInfoFileName, std::ios::binary) << ini;
    if (!levels.empty()) levels_test::WriteBytes(folder / "levels.all", levels);
}

std::string Ini(const std::string& name, const std::string& ending = "1,312") {
    return "Nazev=" + name + "\nAutor=Eliška\nVerze=1.2\nKonec=" + ending + "\n";
}

// What a call told on the error output, line by line.
std::vector<std::string> Told(const std::function<void(std::FILE*)>& call) {
    std::FILE* file = std::tmpfile();
    call(file);
    std::rewind(file);
    std::vector<std::string> lines;
    char line[1024];
    while (std::fgets(line, sizeof line, file))
        lines.emplace_back(line);
    std::fclose(file);
    return lines;
}

class CampaignPacks : public levels_test::LevelsTest {};

TEST_F(CampaignPacks, BrokenPacksAreLeftOutWithALineAndTheRestSortedByName) {
    const fs::path own = appFolder / "own", shared = appFolder / "shared";
    const std::vector<uint8_t> two = PackageOf(2);
    MakePack(shared / "zima", Ini("Zima"), two);
    MakePack(shared / "zima-2", Ini("Zima"), two);  // the same name: both listed
    MakePack(own / "jaro", Ini("Jaro"), two);
    MakePack(shared / "jaro", Ini("Jaro ze sdílené složky"), two);  // hidden by the player's
    MakePack(shared / ".skryty", Ini("Skrytý"), two);
    struct Broken {
        const char* folder;
        std::string ini;
        std::vector<uint8_t> levels;
        const char* why;
    };
    std::vector<uint8_t> cut = two;
    cut.resize(cut.size() - kMinLevelRecordBytes);
    std::vector<uint8_t> negative = two;
    negative[3] = 0x80;
    const std::vector<Broken> broken = {
        {"bez-ini", "", two, "campaign.ini does not read"},
        {"spatne-ini", "Nazev=X\nKonec=jinde\n", two, "campaign.ini: "},
        {"bez-urovni", Ini("Bez úrovní"), {}, "levels.all is missing"},
        {"useknuty", Ini("Useknutý"), cut, "not a level package"},
        {"zaporny", Ini("Záporný"), negative, "not a level package"},
        {"konec-mimo", Ini("Konec mimo", "2,10"), two, "level 2, which it does not have"},
        {"konec-na-startu", Ini("Konec na startu", "0,591"), two, "where a new game begins"},
    };
    for (const Broken& b : broken) {
        MakePack(shared / b.folder, b.ini, b.levels);
        if (b.ini.empty()) fs::remove(shared / b.folder / kCampaignInfoFileName);
    }
    fs::create_directories(shared / "zima" / "podslozka");  // a pack's own folders don't count

    std::vector<CampaignPack> packs;
    const std::vector<std::string> told = Told([&](std::FILE* errors) {
        packs = FindCampaignPacks({own.string(), (appFolder / "missing").string(), shared.string()},
                                  errors);
    });

    std::vector<std::string> found;
    for (const CampaignPack& pack : packs)
        found.push_back(pack.info.name + " @ " + pack.folder);
    EXPECT_EQ(found, (std::vector<std::string>{"Jaro @ " + (own / "jaro").string(),
                                               "Zima @ " + (shared / "zima").string(),
                                               "Zima @ " + (shared / "zima-2").string()}));
    EXPECT_EQ(packs[0].folderName, "jaro");
    EXPECT_EQ(packs[0].levelCount, 2);
    EXPECT_EQ(packs[0].info.author, "Eliška");

    ASSERT_EQ(told.size(), broken.size());
    for (const Broken& b : broken) {
        bool said = false;
        for (const std::string& line : told)
            said |=
                line.find((shared / b.folder).string() + " is left out: ") != std::string::npos &&
                line.find(b.why) != std::string::npos;
        EXPECT_TRUE(said) << b.folder;
    }

    // One pack by its folder name, as a save names it.
    ASSERT_TRUE(FindCampaignPack({own.string(), shared.string()}, "jaro"));
    EXPECT_EQ(FindCampaignPack({own.string(), shared.string()}, "jaro")->folder,
              (own / "jaro").string());
    for (const char* name : {"useknuty", "nikde", "", "..", "../shared/zima"})
        EXPECT_FALSE(FindCampaignPack({own.string(), shared.string()}, name)) << name;
}

TEST_F(CampaignPacks, AHundredPacksAreFoundWithoutReadingTheirLevels) {
    const fs::path folder = appFolder / "campaigns";
    // Big packages, sparse on the disk: finding them must not read them.
    std::vector<uint8_t> levels = PackageOf(1);
    levels[0] = 60;
    for (int i = 0; i < 100; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "balicek-%03d", 99 - i);
        MakePack(folder / name, Ini("Balíček " + std::to_string(1000 + i)), levels);
        fs::resize_file(folder / name / "levels.all", 4 + 60 * kMinLevelRecordBytes);
    }
    // How long it takes is levels_bench's BM_FindHundredPacks.
    const std::vector<CampaignPack> packs = FindCampaignPacks({folder.string()}, nullptr);
    ASSERT_EQ(packs.size(), 100u);
    EXPECT_EQ(packs.front().info.name, "Balíček 1000");
    EXPECT_EQ(packs.back().info.name, "Balíček 1099");
    EXPECT_EQ(packs.front().levelCount, 60);
}

}  // namespace
