// A game recorded while a script plays, and played back in a fresh folder
// through the real rules: every checksum agrees, and each kind of damage
// stops the playback where it begins, naming the frame.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "game/core/access_settings.h"
#include "game/core/game_state.h"
#include "game/core/tile_kinds.h"
#include "game/levels/current_campaign.h"
#include "game/levels/save_folder.h"
#include "game/platform/file_io.h"
#include "game/platform/keys.h"
#include "game/play/keyboard.h"
#include "game/replay/player.h"
#include "game/replay/recording_format.h"
#include "replay/replay_fixture.h"
#include "tools/levels/cli/level_tool.h"

namespace {

using replay::Player;
using replay::Recording;
using replay_testing::ReplayTest;
using replay_testing::Script;
namespace fs = std::filesystem;

// The offsets at which the blocks after the header begin.
std::vector<size_t> BlockStarts(const std::vector<uint8_t>& file) {
    std::vector<size_t> starts;
    size_t at = replay::kHeaderSize;
    while (at + 9 <= file.size()) {
        starts.push_back(at);
        const uint32_t length = file[at + 1] | (file[at + 2] << 8) | (file[at + 3] << 16) |
                                (static_cast<uint32_t>(file[at + 4]) << 24);
        at += 9 + length;
    }
    return starts;
}

TEST_F(ReplayTest, AScriptedGamePlaysBackWithEveryChecksumAgreeing) {
    NewGame();
    const std::vector<uint8_t> file = RecordGame(900, BusyScript());
    const Recording recording = replay::ParseRecording(file);
    ASSERT_EQ(recording.status, Recording::Status::Complete);
    ASSERT_TRUE(recording.end);
    EXPECT_EQ(recording.end->frames, recordedFrames);
    EXPECT_EQ(recording.end->how, game::GameEnd::Left);
    // Pauses and the menu cost frames: fewer than the passes.
    EXPECT_GT(recordedFrames, 500u);
    EXPECT_LT(recordedFrames, 900u);
    const bool savedInRecording = game::SavePairExists("mine") && game::SavePairExists("quick");
    EXPECT_TRUE(savedInRecording);

    MoveToPlaybackFolder();
    Player player(recording);
    ASSERT_TRUE(player.Begin()) << player.Why();
    EXPECT_EQ(player.PlayToEnd(), Player::State::Ended) << player.Why();
    EXPECT_EQ(player.Frame(), recordedFrames);
    EXPECT_EQ(player.FinalChecksum(), recordedFinal);
    // The replayed saves went into the playback folder.
    EXPECT_TRUE(game::SavePairExists("mine"));
    EXPECT_TRUE(game::SavePairExists("quick"));
}

// Keys that reach the game while a notice shown in the middle of a frame is
// up act before the rest of that frame, in the recording and in its playback.
TEST_F(ReplayTest, KeysDuringANoticeActWhereTheyDidInTheGame) {
    NewGame();
    int notices = 0;
    windows.onNotice = [&](const std::string&) {
        ++notices;
        game::Picture1_KeyUp(0, platform::vk::Right, 0);
        game::Picture1_KeyDown(0, platform::vk::Control, platform::kCtrlMask);
    };
    Script script;
    script[5] = [] { game::Picture1_KeyDown(0, platform::vk::Right, 0); };
    script[150] = [] { game::Picture1_KeyUp(0, platform::vk::Control, 0); };
    const Recording recording = replay::ParseRecording(RecordGame(300, script));
    windows.onNotice = nullptr;
    ASSERT_EQ(notices, 1);
    ASSERT_EQ(recording.status, Recording::Status::Complete);

    MoveToPlaybackFolder();
    Player player(recording);
    ASSERT_TRUE(player.Begin());
    EXPECT_EQ(player.PlayToEnd(), Player::State::Ended) << player.Why();
    EXPECT_EQ(player.FinalChecksum(), recordedFinal);
}

// Another seed, or one clock reading changed, plays out differently: the
// playback stops at the first checkpoint that disagrees.
TEST_F(ReplayTest, AnyDifferenceIsCaughtAndNamesTheFrame) {
    NewGame();
    const Recording recording = replay::ParseRecording(RecordGame(900, BusyScript()));
    ASSERT_EQ(recording.status, Recording::Status::Complete);

    Recording otherSeed = recording;
    otherSeed.start.seed ^= 1;
    MoveToPlaybackFolder();
    Player seeded(otherSeed);
    ASSERT_TRUE(seeded.Begin());
    EXPECT_EQ(seeded.PlayToEnd(), Player::State::Diverged);
    EXPECT_LT(seeded.Frame(), recordedFrames);
    EXPECT_EQ(seeded.Frame() % replay::kCheckpointFrames, 0u);
    EXPECT_NE(seeded.Why().find("frame " + std::to_string(seeded.Frame())), std::string::npos)
        << seeded.Why();

    // The bomb is laid and counts down by the clock: its first reading
    // moved by five seconds changes when it bursts.
    Recording otherClock = recording;
    auto& events = otherClock.events;
    bool changed = false;
    replay::PayloadReader walk(events.data(), events.size());
    uint8_t kind = 0;
    while (!changed && walk.U8(kind)) {
        const size_t at = walk.Offset();
        uint64_t n;
        uint16_t a, b;
        float f;
        uint32_t c;
        std::string text;
        switch (static_cast<replay::Event>(kind)) {
            case replay::Event::Frames:
                walk.Varint(n);
                break;
            case replay::Event::KeyDown:
            case replay::Event::KeyUp:
                walk.U16(a), walk.U16(b);
                break;
            case replay::Event::Clock: {
                walk.F32(f);
                f += 5.0f;
                std::vector<uint8_t> raw;
                replay::PayloadWriter(raw).F32(f);
                std::copy(raw.begin(), raw.end(), events.begin() + static_cast<long>(at));
                changed = true;
                break;
            }
            case replay::Event::Checksum:
                walk.U32(c);
                break;
            case replay::Event::SavedAs:
                walk.Text(text);
                break;
            case replay::Event::MonstersOff:
                walk.U16(a);
                break;
            default:
                break;
        }
    }
    ASSERT_TRUE(changed);
    MoveToPlaybackFolder();
    Player clocked(otherClock);
    ASSERT_TRUE(clocked.Begin());
    EXPECT_EQ(clocked.PlayToEnd(), Player::State::Diverged) << clocked.Why();
}

// The help round corners is part of how a game plays: a recording keeps
// the setting it was made with and plays back with it, whatever the
// player's own setting, which it leaves as it found it.
TEST_F(ReplayTest, ARecordingPlaysBackWithTheHelpRoundCornersItWasMadeWith) {
    NewGame();
    // The hero 5 px left of a one-tile gap in a wall across the cave,
    // walking up into its corner.
    WallWithOneGap(true, 10, 12);
    game::HeroX = 235.0f;
    game::HeroY = 230.0f;
    game::CornerSlideOn = false;
    Script walk;
    walk[5] = [] { game::Picture1_KeyDown(0, platform::vk::Up, 0); };
    const Recording recording = replay::ParseRecording(RecordGame(120, walk));
    ASSERT_EQ(recording.status, Recording::Status::Complete);
    EXPECT_FALSE(recording.start.cornerHelp);
    EXPECT_GT(game::HeroY, 200.0f);  // stuck under the wall

    for (const bool help : {false, true}) {
        SCOPED_TRACE(help ? "played with the help" : "as recorded");
        MoveToPlaybackFolder();
        game::CornerSlideOn = true;  // the player's own setting
        Recording played = recording;
        played.start.cornerHelp = help;
        {
            Player player(played);
            ASSERT_TRUE(player.Begin()) << player.Why();
            EXPECT_EQ(game::CornerSlideOn, help);
            EXPECT_EQ(player.PlayToEnd(), help ? Player::State::Diverged : Player::State::Ended)
                << player.Why();
        }
        EXPECT_TRUE(game::CornerSlideOn);
    }
}

// The difficulty is part of how a game plays: an easy game's start says so
// and plays back easy, whatever the game the player had, which it leaves as
// it found it.  (A normal game's start is written as it always was: see the
// packs' test below.)
TEST_F(ReplayTest, AnEasyGamesRecordingPlaysBackEasy) {
    NewGame();
    game::GameDifficulty = game::Difficulty::kEasy;
    // A monster of blow 3 beside the hero strikes him at once and then
    // every second or so.
    const int16_t i = game::AppendEntry(game::Monsters, game::MonsterCount);
    game::Monsters[i].X = game::HeroX + 5;
    game::Monsters[i].Y = game::HeroY;
    game::Monsters[i].HitPoints = 5;
    game::Monsters[i].Damage = 3;
    game::UpdateMonsterRects();
    const int16_t livesBefore = game::Lives;
    const Recording recording = replay::ParseRecording(RecordGame(150, {}));
    ASSERT_EQ(recording.status, Recording::Status::Complete);
    EXPECT_EQ(recording.start.difficulty, game::Difficulty::kEasy);
    EXPECT_EQ(livesBefore - game::Lives, 6);  // three blows of 2

    for (const auto difficulty : {game::Difficulty::kEasy, game::Difficulty::kNormal}) {
        const bool easy = difficulty == game::Difficulty::kEasy;
        SCOPED_TRACE(easy ? "as recorded" : "played as a normal game");
        MoveToPlaybackFolder();
        game::GameDifficulty = game::Difficulty::kNormal;  // the player's own game
        Recording played = recording;
        played.start.difficulty = difficulty;
        {
            Player player(played);
            ASSERT_TRUE(player.Begin()) << player.Why();
            EXPECT_EQ(game::GameDifficulty, difficulty);
            EXPECT_EQ(player.PlayToEnd(), easy ? Player::State::Ended : Player::State::Diverged)
                << player.Why();
        }
        EXPECT_EQ(game::GameDifficulty, game::Difficulty::kNormal);
    }

    // The start of an easy game of the built-in campaign or of a pack reads
    // back as it was written; a difficulty byte other than the easy one's,
    // or the built-in campaign's empty name without it, is no start.
    for (const std::string campaign : {"", "jeskyne"}) {
        replay::StartState start = recording.start;
        start.campaign = campaign;
        std::vector<uint8_t> payload = replay::EncodeStart(start);
        std::vector<uint8_t> file = replay::EncodeHeader();
        const auto withStart = [&file](const std::vector<uint8_t>& startPayload) {
            std::vector<uint8_t> bytes = file;
            const std::vector<uint8_t> block =
                replay::EncodeBlock(replay::BlockType::kStart, startPayload);
            bytes.insert(bytes.end(), block.begin(), block.end());
            return replay::ParseRecording(bytes);
        };
        const Recording read = withStart(payload);
        ASSERT_EQ(read.status, Recording::Status::Incomplete) << campaign;
        EXPECT_EQ(read.start.difficulty, game::Difficulty::kEasy);
        EXPECT_EQ(read.start.campaign, campaign);
        EXPECT_EQ(replay::EncodeStart(read.start), payload);
        for (const uint8_t other : {0, 2}) {
            payload.back() = other;
            EXPECT_EQ(withStart(payload).status, Recording::Status::Foreign) << campaign;
        }
        payload.pop_back();
        EXPECT_EQ(withStart(payload).status,
                  campaign.empty() ? Recording::Status::Foreign : Recording::Status::Incomplete);
    }
}

// Fire switched by its key reaches the rules as the fire key's presses and
// releases: a press starts it, its release and its repeats change nothing,
// the next press stops it, and a pause and a new level stop it.  The
// recording plays back the same for a player who holds his fire.
TEST_F(ReplayTest, FireSwitchedByItsKeyPlaysBackAsHeldFire) {
    using game::KeyboardKeyDown, game::KeyboardKeyUp;
    namespace vk = platform::vk;
    NewGame();
    // An exit to level 1 three tiles left of the hero.
    game::Tile& exit = game::Tiles[game::TileIndexOf(game::HeroX + 7.0f, game::HeroY + 7.0f) - 3];
    exit.Kind = game::kLevelExit;
    exit.Param1 = "1";
    exit.Param2 = "312";
    game::Access.fireToggles = true;
    std::vector<std::pair<int, bool>> firing;  // the pass and FireHeld there
    int missiles = 0;
    Script script;
    const auto look = [&](int pass) { firing.emplace_back(pass, game::FireHeld); };
    script[5] = [] { KeyboardKeyDown(vk::Control, platform::kCtrlMask, false); };
    script[6] = [&] { KeyboardKeyUp(vk::Control, 0), look(6); };
    script[30] = [&] { KeyboardKeyDown(vk::Control, platform::kCtrlMask, true), look(30); };
    script[59] = [&] { missiles = game::MissileCount; };
    script[60] = [&] { KeyboardKeyDown(vk::Pause, 0, false), look(60); };
    script[70] = [&] { KeyboardKeyDown(vk::Pause, 0, false), look(70); };
    script[80] = [&] { KeyboardKeyDown(vk::Control, platform::kCtrlMask, false), look(80); };
    script[90] = [&] { KeyboardKeyDown(vk::Control, platform::kCtrlMask, false), look(90); };
    script[100] = [&] { KeyboardKeyDown(vk::Control, platform::kCtrlMask, false), look(100); };
    script[101] = [] { KeyboardKeyDown(vk::Left, 0, false); };
    script[240] = [&] { look(240); };
    const Recording recording = replay::ParseRecording(RecordGame(260, script));
    ASSERT_EQ(recording.status, Recording::Status::Complete);
    EXPECT_GT(missiles, 0);
    EXPECT_EQ(game::LevelNumber, 1);
    EXPECT_EQ(firing, (std::vector<std::pair<int, bool>>{{6, true},
                                                         {30, true},
                                                         {60, false},
                                                         {70, false},
                                                         {80, true},
                                                         {90, false},
                                                         {100, true},
                                                         {240, false}}));

    MoveToPlaybackFolder();
    game::Access.fireToggles = false;
    Player player(recording);
    ASSERT_TRUE(player.Begin()) << player.Why();
    EXPECT_EQ(player.PlayToEnd(), Player::State::Ended) << player.Why();
    EXPECT_EQ(player.FinalChecksum(), recordedFinal);
}

// A recording cut anywhere inside a block plays up to the last whole block
// and says it is incomplete; a flipped bit stops it at the damaged block.
TEST_F(ReplayTest, CutShortOrDamagedRecordingsPlayUpToTheirLastSoundBlock) {
    NewGame();
    const std::vector<uint8_t> file = RecordGame(900, BusyScript(), 50);
    const std::vector<size_t> blocks = BlockStarts(file);
    ASSERT_GT(blocks.size(), 8u);

    // The frames the whole blocks before block k hold, from the reader.
    auto framesBefore = [&](size_t k) {
        std::vector<uint8_t> head(file.begin(), file.begin() + static_cast<long>(blocks[k]));
        const Recording r = replay::ParseRecording(head);
        EXPECT_EQ(r.status, Recording::Status::Incomplete);
        MoveToPlaybackFolder();
        Player p(r);
        EXPECT_TRUE(p.Begin());
        EXPECT_EQ(p.PlayToEnd(), Player::State::CutShort);
        return p.Frame();
    };

    const size_t k = blocks.size() / 2;
    const uint32_t wholeFrames = framesBefore(k);
    EXPECT_GT(wholeFrames, 0u);
    for (size_t cut : {blocks[k] + 1, blocks[k] + 6, blocks[k + 1] - 1}) {
        std::vector<uint8_t> shorter(file.begin(), file.begin() + static_cast<long>(cut));
        const Recording r = replay::ParseRecording(shorter);
        EXPECT_EQ(r.status, Recording::Status::Incomplete) << cut;
        MoveToPlaybackFolder();
        Player p(r);
        ASSERT_TRUE(p.Begin());
        EXPECT_EQ(p.PlayToEnd(), Player::State::CutShort);
        EXPECT_EQ(p.Frame(), wholeFrames);
        EXPECT_NE(p.Why().find("incomplete after frame " + std::to_string(wholeFrames)),
                  std::string::npos)
            << p.Why();
    }

    // The block's type, its payload, its CRC.
    for (size_t offset : {blocks[k], blocks[k] + 9, blocks[k + 1] - 2}) {
        std::vector<uint8_t> flipped = file;
        flipped[offset] ^= 0x10;
        const Recording r = replay::ParseRecording(flipped);
        EXPECT_EQ(r.status, Recording::Status::Damaged) << offset;
        EXPECT_EQ(r.stoppedAt, blocks[k]);
        MoveToPlaybackFolder();
        Player p(r);
        ASSERT_TRUE(p.Begin());
        EXPECT_EQ(p.PlayToEnd(), Player::State::CutShort);
        EXPECT_EQ(p.Frame(), wholeFrames);
        EXPECT_NE(p.Why().find("damaged after frame " + std::to_string(wholeFrames)),
                  std::string::npos)
            << p.Why();
    }
}

TEST_F(ReplayTest, ForeignFilesAndBadHeadersAreRefused) {
    NewGame();
    const std::vector<uint8_t> file = RecordGame(200, {});
    ASSERT_EQ(replay::ParseRecording(file).status, Recording::Status::Complete);

    auto statusOf = [](std::vector<uint8_t> bytes) { return replay::ParseRecording(bytes).status; };
    EXPECT_EQ(statusOf({}), Recording::Status::Foreign);
    EXPECT_EQ(statusOf(std::vector<uint8_t>(file.begin(), file.begin() + 10)),
              Recording::Status::Foreign);
    // A save file, and the header alone.
    std::vector<uint8_t> other(file.size(), 'x');
    EXPECT_EQ(statusOf(other), Recording::Status::Foreign);
    EXPECT_EQ(statusOf(std::vector<uint8_t>(file.begin(), file.begin() + replay::kHeaderSize)),
              Recording::Status::Foreign);
    // A flipped bit in the header or the start block.
    for (size_t offset :
         {size_t{2}, size_t{9}, size_t{14}, replay::kHeaderSize + 2, replay::kHeaderSize + 20}) {
        std::vector<uint8_t> bad = file;
        bad[offset] ^= 1;
        EXPECT_EQ(statusOf(bad), Recording::Status::Foreign) << offset;
    }
    // A later format, properly made.
    std::vector<uint8_t> newer = file;
    newer[8] = 2;
    const uint32_t crc = replay::Crc32(newer.data(), 12);
    for (int i = 0; i < 4; ++i)
        newer[12 + i] = static_cast<uint8_t>(crc >> (8 * i));
    EXPECT_EQ(statusOf(newer), Recording::Status::NewerFormat);

    // Refused by the player too, as is a recording of other rules or of
    // another campaign.
    MoveToPlaybackFolder();
    Player foreign(replay::ParseRecording(other));
    EXPECT_FALSE(foreign.Begin());
    EXPECT_EQ(foreign.GetState(), Player::State::Refused);

    Player newerFormat(replay::ParseRecording(newer));
    EXPECT_FALSE(newerFormat.Begin());
    EXPECT_EQ(newerFormat.Why(), "the file is of format version 2, this game reads version 1");

    // A start of later rules is read no further than their version, and
    // refused naming it; one of the first rules, written as they wrote it
    // (without the help round corners), reads with the help off and plays.
    for (const uint32_t rules : {replay::kRulesVersion + 1, uint32_t{1}}) {
        replay::StartState start = replay::ParseRecording(file).start;
        start.rulesVersion = rules;
        std::vector<uint8_t> other = replay::EncodeHeader();
        const std::vector<uint8_t> block =
            replay::EncodeBlock(replay::BlockType::kStart, replay::EncodeStart(start));
        other.insert(other.end(), block.begin(), block.end());
        const Recording read = replay::ParseRecording(other);
        ASSERT_EQ(read.status, Recording::Status::Incomplete);
        EXPECT_EQ(read.start.rulesVersion, rules);
        Player player(read);
        if (rules > replay::kRulesVersion) {
            EXPECT_EQ(read.start.snapshot, std::vector<uint8_t>{});
            EXPECT_TRUE(player.NewerRules());
            EXPECT_FALSE(player.Begin());
            EXPECT_EQ(player.Why(), "recorded under rules version " + std::to_string(rules) +
                                        ", this game knows rules up to version " +
                                        std::to_string(replay::kRulesVersion));
        } else {
            EXPECT_FALSE(read.start.cornerHelp);
            EXPECT_TRUE(player.Begin()) << player.Why();
            EXPECT_EQ(game::RulesVersion, 1u);
        }
    }
    EXPECT_EQ(game::RulesVersion, replay::kRulesVersion);

    Recording otherCampaign = replay::ParseRecording(file);
    otherCampaign.start.campaignCrc ^= 1;
    Player campaign(otherCampaign);
    EXPECT_FALSE(campaign.Begin());
    EXPECT_TRUE(campaign.CampaignDiffers());
    Player anyway(otherCampaign);
    EXPECT_TRUE(anyway.Begin(true));
    EXPECT_EQ(anyway.PlayToEnd(), Player::State::Ended);
}

// A game of a campaign pack names the pack's folder in its start: it plays
// back where that pack is, and is refused, saying so, where it is gone or
// has changed.
TEST_F(ReplayTest, APacksRecordingPlaysOnlyWhereItsPackIsAsItWas) {
    NewGame();
    const std::vector<uint8_t> file = RecordGame(300, BusyScript());
    // The same game as a pack's: the start names it, the blocks after stay.
    replay::StartState start = replay::ParseRecording(file).start;
    start.campaign = "jeskyne";
    std::vector<uint8_t> packFile = replay::EncodeHeader();
    const std::vector<uint8_t> startBlock =
        replay::EncodeBlock(replay::BlockType::kStart, replay::EncodeStart(start));
    packFile.insert(packFile.end(), startBlock.begin(), startBlock.end());
    packFile.insert(packFile.end(), file.begin() + static_cast<long>(BlockStarts(file)[1]),
                    file.end());
    const Recording recording = replay::ParseRecording(packFile);
    ASSERT_EQ(recording.status, Recording::Status::Complete);
    EXPECT_EQ(recording.start.campaign, "jeskyne");
    // A recording of the built-in campaign is written as it always was.
    EXPECT_EQ(replay::EncodeStart(replay::ParseRecording(file).start),
              std::vector<uint8_t>(file.begin() + static_cast<long>(replay::kHeaderSize + 5),
                                   file.begin() + static_cast<long>(BlockStarts(file)[1] - 4)));

    const fs::path pack = playbackFolder / "data/campaigns/jeskyne";
    fs::create_directories(pack);
    std::ofstream(pack / "campaign.ini") << "Nazev=Jeskyně\nKonec=0,5\n";
    fs::copy_file(playbackFolder / "data/levels.all", pack / "levels.all");
    // The built-in campaign of the playback folder is another one now.
    fs::remove(playbackFolder / "data/levels.all");

    MoveToPlaybackFolder();
    Player here(recording);
    ASSERT_TRUE(here.Begin()) << here.Why();
    EXPECT_EQ(game::CurrentCampaign().folderName, "jeskyne");
    EXPECT_EQ(here.PlayToEnd(), Player::State::Ended) << here.Why();
    EXPECT_EQ(here.FinalChecksum(), recordedFinal);

    std::vector<uint8_t> changed;
    ASSERT_TRUE(game::ReadWholeFile((pack / "levels.all").string(), changed));
    changed.back() ^= 1;
    ASSERT_TRUE(game::WriteWholeFile((pack / "levels.all").string(), changed, false));
    Player changedPack(recording);
    EXPECT_FALSE(changedPack.Begin());
    EXPECT_TRUE(changedPack.CampaignDiffers());

    fs::remove_all(pack);
    Player gone(recording);
    EXPECT_FALSE(gone.Begin());
    EXPECT_EQ(gone.GetState(), Player::State::Refused);
    EXPECT_TRUE(gone.CampaignGone());
}

// The level tool's verifier: the outcome, the frames and the checksum of a
// sound recording; status 2, naming the frame, for one cut short or damaged.
TEST_F(ReplayTest, TheHeadlessVerifierTellsASoundRecordingFromADamagedOne) {
    NewGame();
    const std::vector<uint8_t> file = RecordGame(600, BusyScript(), 50);
    const std::string campaign = (appFolder / "data" / "levels.all").string();
    auto verify = [&](const std::vector<uint8_t>& bytes, std::string& out, std::string& err) {
        const std::string path = (appFolder / "game.rec").string();
        EXPECT_TRUE(game::WriteWholeFile(path, bytes, false));
        std::ostringstream o, e;
        const int status =
            levels_tool::RunLevelTool({"replay", path, "--campaign", campaign}, o, e);
        out = o.str(), err = e.str();
        return status;
    };
    std::string out, err;
    ASSERT_EQ(verify(file, out, err), 0) << err;
    EXPECT_NE(out.find("outcome: the game was left"), std::string::npos) << out;
    EXPECT_NE(out.find("frames: " + std::to_string(recordedFrames) + "\n"), std::string::npos)
        << out;
    char checksum[16];
    std::snprintf(checksum, sizeof checksum, "%08x", recordedFinal);
    EXPECT_NE(out.find(std::string("checksum: ") + checksum), std::string::npos) << out;

    std::vector<uint8_t> cut(file.begin(), file.end() - 20);
    EXPECT_EQ(verify(cut, out, err), 2);
    EXPECT_NE(err.find("incomplete after frame"), std::string::npos) << err;

    const std::vector<size_t> blocks = BlockStarts(file);
    std::vector<uint8_t> flipped = file;
    flipped[blocks[blocks.size() / 2] + 12] ^= 4;
    EXPECT_EQ(verify(flipped, out, err), 2);
    EXPECT_NE(err.find("damaged after frame"), std::string::npos) << err;

    EXPECT_EQ(verify(std::vector<uint8_t>(100, 'x'), out, err), 2);
    EXPECT_NE(err.find("refused"), std::string::npos) << err;
}

// Random damage of every kind never crashes the reader or the player: each
// ends in one of its states.
TEST_F(ReplayTest, MutatedRecordingsNeverCrashThePlayback) {
    NewGame();
    const std::vector<uint8_t> file = RecordGame(300, BusyScript(), 40);
    std::mt19937 random(20260);
    for (int round = 0; round < 150; ++round) {
        std::vector<uint8_t> bytes = file;
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits && !bytes.empty(); ++e) {
            const size_t at = random() % bytes.size();
            switch (random() % 4) {
                case 0:
                    bytes[at] ^= static_cast<uint8_t>(1u << (random() % 8));
                    break;
                case 1:
                    bytes.resize(at);
                    break;
                case 2:
                    bytes.insert(bytes.begin() + static_cast<long>(at),
                                 static_cast<uint8_t>(random()));
                    break;
                default:
                    bytes[at] = static_cast<uint8_t>(random());
                    break;
            }
        }
        Recording r = replay::ParseRecording(bytes);
        // Damage inside the events with the CRCs made to fit again, so that
        // the player sees it too.
        if (round % 2 == 0 && !r.events.empty()) {
            r.events[random() % r.events.size()] = static_cast<uint8_t>(random());
            if (random() % 2) r.events.resize(random() % r.events.size());
        }
        MoveToPlaybackFolder();
        Player p(r);
        if (p.Begin(true)) p.PlayToEnd();
        EXPECT_NE(p.GetState(), Player::State::Playing);
    }
}

}  // namespace
