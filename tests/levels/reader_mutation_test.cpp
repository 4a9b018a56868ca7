// A deterministic mutation run over real level, package and position files:
// bit flips, hostile numbers, cuts, splices.  Every reader must refuse or
// read consistently, never crash, hang or allocate without bound.  The
// libFuzzer target (KARVELUN_FUZZ) explores the same readers further.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "game/core/game_state.h"
#include "game/levels/level_files.h"
#include "game/levels/package_record.h"
#include "game/levels/position_record.h"
#include "levels/fuzz_readers.h"
#include "levels/levels_test.h"

namespace {

using namespace game;
using levels_test::LevelsTest;
using levels_test::ReadBytes;
using levels_test::SampleLevel;
using levels_test::WriteBytes;

using Bytes = std::vector<uint8_t>;

std::vector<Bytes> SeedFiles() {
    std::vector<Bytes> seeds;
    for (const auto& entry : std::filesystem::directory_iterator(KARVELUN_LEVELS_CORPUS))
        if (entry.is_regular_file()) seeds.push_back(ReadBytes(entry.path()));

    ByteWriter level;
    WriteLevelRecord(level, 3, SampleLevel());
    seeds.push_back(level.Bytes());
    PackageRecord package;
    package.header = "hra.lev";
    package.levels = {SampleLevel(), SampleLevel()};
    ByteWriter pack;
    WritePackageRecord(pack, package);
    seeds.push_back(pack.Bytes());
    ByteWriter position;
    WritePositionRecord(position, "hra.pos", 42, PositionRecord{3, 1.5f, 2.5f});
    seeds.push_back(position.Bytes());
    return seeds;
}

// One to four random changes of the kinds that break parsers.
void Mutate(Bytes& bytes, std::mt19937& random) {
    static const int16_t kHostile[] = {-32768, -1, 0, 1, 255, 256, 32767, 0x7F7F};
    auto pick = [&](size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<size_t>(0, n - 1)(random);
    };
    const int changes = 1 + static_cast<int>(random() % 4);
    for (int c = 0; c < changes; ++c) {
        switch (random() % 6) {
            case 0:  // flip a bit
                if (!bytes.empty())
                    bytes[pick(bytes.size())] ^= static_cast<uint8_t>(1u << (random() % 8));
                break;
            case 1:  // a hostile 16-bit number, on a field boundary
                if (bytes.size() >= 2) {
                    const size_t at = pick(bytes.size() - 1) & ~size_t{1};
                    const int16_t v = kHostile[random() % std::size(kHostile)];
                    bytes[at] = static_cast<uint8_t>(v & 0xFF);
                    bytes[at + 1] = static_cast<uint8_t>((static_cast<uint16_t>(v) >> 8) & 0xFF);
                }
                break;
            case 2:  // cut short
                bytes.resize(pick(bytes.size() + 1));
                break;
            case 3:  // drop a few bytes from the middle
                if (!bytes.empty()) {
                    const size_t at = pick(bytes.size());
                    const size_t n = std::min<size_t>(1 + random() % 8, bytes.size() - at);
                    bytes.erase(bytes.begin() + static_cast<long>(at),
                                bytes.begin() + static_cast<long>(at + n));
                }
                break;
            case 4:  // repeat a chunk
                if (!bytes.empty()) {
                    const size_t at = pick(bytes.size());
                    const size_t n = std::min<size_t>(1 + random() % 64, bytes.size() - at);
                    Bytes chunk(bytes.begin() + static_cast<long>(at),
                                bytes.begin() + static_cast<long>(at + n));
                    bytes.insert(bytes.begin() + static_cast<long>(pick(bytes.size() + 1)),
                                 chunk.begin(), chunk.end());
                }
                break;
            default:  // a random byte
                if (!bytes.empty()) bytes[pick(bytes.size())] = static_cast<uint8_t>(random());
                break;
        }
    }
}

TEST(ReaderMutation, MutatedFilesAreRefusedOrReadConsistently) {
    const std::vector<Bytes> seeds = SeedFiles();
    ASSERT_GE(seeds.size(), 6u) << "the seed corpus is missing";
    for (const Bytes& seed : seeds) {
        const auto outcome = levels_fuzz::RunReaders(seed.data(), seed.size());
        EXPECT_TRUE(outcome.levelRead || outcome.packageRead || outcome.positionRead);
        EXPECT_EQ(outcome.inconsistency, "");
    }
    std::mt19937 random(20240611);
    int stillRead = 0;
    for (const Bytes& seed : seeds) {
        for (int n = 0; n < 4000; ++n) {
            Bytes mutated = seed;
            Mutate(mutated, random);
            const auto outcome = levels_fuzz::RunReaders(mutated.data(), mutated.size());
            ASSERT_EQ(outcome.inconsistency, "")
                << "seed of " << seed.size() << " bytes, run " << n;
            stillRead += outcome.levelRead || outcome.packageRead || outcome.positionRead;
        }
    }
    // Many mutations only touch values (pictures, texts): those files still read.
    EXPECT_GT(stillRead, 0);
}

class GameReaderMutation : public LevelsTest {};

TEST_F(GameReaderMutation, TheGameLoadsOrRefusesMutatedLevelFiles) {
    UseLevelRecord(SampleLevel());
    ASSERT_TRUE(StoreLevel(0));
    const Bytes whole = ReadBytes(LevelPath(0));
    std::mt19937 random(77);
    for (int n = 0; n < 300; ++n) {
        Bytes mutated = whole;
        Mutate(mutated, random);
        WriteBytes(LevelPath(0), mutated);
        if (LoadLevel(0)) {
            // Whatever was read, the lists and their counts agree.
            ASSERT_EQ(Monsters.size(), static_cast<size_t>(std::max<int16_t>(MonsterCount, 1)));
            ASSERT_EQ(MonsterRects.size(), Monsters.size());
            ASSERT_EQ(Items.size(), static_cast<size_t>(std::max<int16_t>(ItemCount, 1)));
        } else {
            ASSERT_TRUE(ShutdownRequested);
            ASSERT_EQ(windows.messageBoxes.size(), 1u);
            ShutdownRequested = false;
            windows.messageBoxes.clear();
        }
    }
}

}  // namespace
