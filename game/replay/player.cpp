#include "game/replay/player.h"

#include "game/core/game_state.h"
#include "game/core/rules_version.h"
#include "game/core/run_statistics.h"
#include "game/levels/current_campaign.h"
#include "game/levels/level_files.h"
#include "game/levels/level_packages.h"
#include "game/levels/save_folder.h"
#include "game/levels/save_games.h"
#include "game/platform/clock.h"
#include "game/platform/file_io.h"
#include "game/platform/random.h"
#include "game/play/game_flow.h"
#include "game/play/keyboard.h"
#include "game/replay/recorder.h"
#include "game/replay/tool_edits.h"

namespace replay {

const char* StatusName(Recording::Status status) {
    switch (status) {
        case Recording::Status::Complete:
            return "complete";
        case Recording::Status::Incomplete:
            return "incomplete";
        case Recording::Status::Damaged:
            return "damaged";
        case Recording::Status::Foreign:
            return "not a recording";
        case Recording::Status::NewerFormat:
            return "of a newer format";
    }
    return "?";
}

Player::Player(Recording recording)
    : recording_(std::move(recording)),
      events_(recording_.events.data(), recording_.events.size()),
      cornerHelpBefore_(game::CornerSlideOn),
      rulesBefore_(game::RulesVersion),
      difficultyBefore_(game::GameDifficulty) {}

Player::~Player() {
    if (state_ != State::Ready) platform::SetTimeOfDaySource(nullptr);
    // The game played on afterwards moves as its own settings say.
    game::CornerSlideOn = cornerHelpBefore_;
    game::RulesVersion = rulesBefore_;
    game::GameDifficulty = difficultyBefore_;
    if (game::CurrentPlayObserver() == this) game::SetPlayObserver(nullptr);
}

bool Player::Stop(State state, std::string why) {
    state_ = state;
    why_ = std::move(why);
    return false;
}

bool Player::Begin(bool anyCampaign) {
    const Recording::Status status = recording_.status;
    if (status == Recording::Status::Foreign)
        return Stop(State::Refused, std::string("the file is ") + StatusName(status));
    if (status == Recording::Status::NewerFormat)
        return Stop(State::Refused,
                    "the file is of format version " + std::to_string(recording_.formatVersion) +
                        ", this game reads version " + std::to_string(kFormatVersion));
    const StartState& start = recording_.start;
    if (NewerRules())
        return Stop(State::Refused,
                    "recorded under rules version " + std::to_string(start.rulesVersion) +
                        ", this game knows rules up to version " + std::to_string(kRulesVersion));
    // The campaign the game was played in: the built-in one, or a pack that
    // must be here.  A pack that has changed since is another campaign.
    campaignGone_ = false;
    if (start.campaign.empty()) {
        game::PlayBuiltInCampaign();
    } else {
        const std::optional<game::CampaignPack> pack =
            game::FindCampaignPack(game::CampaignFolders(), start.campaign);
        if (!pack || !game::PlayCampaignPack(*pack)) {
            campaignGone_ = true;
            return Stop(State::Refused, "the campaign " + start.campaign + " is not here");
        }
    }
    campaignDiffers_ = (start.kind == StartKind::NewGame || !start.campaign.empty()) &&
                       start.campaignCrc != CampaignCrc();
    if (campaignDiffers_ && !anyCampaign)
        return Stop(State::Refused, "recorded with another campaign");
    if (!SetUpStart()) return false;

    platform::SetTimeOfDaySource([this] { return NextClockReading(); });
    game::SetPlayObserver(this);
    state_ = State::Playing;
    if (checksum_.Compute() != start.checksum)
        return Stop(State::Diverged, "the state differs at frame 0");
    return true;
}

bool Player::SetUpStart() {
    using namespace game;
    const StartState& start = recording_.start;
    // The help round corners as the recorded game had it.
    CornerSlideOn = start.cornerHelp;
    bool ready = false;
    if (start.kind == StartKind::NewGame) {
        ready = StartNewGame(0, NewGameTile);
    } else {
        GameSuspended = false;
        Paused = false;
        const std::string& name = start.saveName;
        ready = IsSafeSaveFileName(name + ".lev") && MakeSavesFolder() &&
                WriteWholeFile(SavePath(name + ".lev"), start.package, false) &&
                WriteWholeFile(SavePath(name + ".pos"), start.position, false) && LoadGame(name);
    }
    if (!ready) return Stop(State::Refused, "the recorded start could not be set up");
    // As easy or normal as the recorded game was (a load would take the
    // pair's description, which the start does not hold).
    GameDifficulty = start.difficulty;
    // The rules it was recorded under, which the start set-up put at the
    // newest.
    RulesVersion = start.rulesVersion;
    // The run's statistics as the recorded game went on with them.
    if (start.statistics) AdoptRunStatistics(*start.statistics);
    if (!RestoreSnapshot(start.snapshot))
        return Stop(State::Refused, "the recorded start state is damaged");
    platform::Randomize(start.seed);
    return true;
}

float Player::NextClockReading() {
    uint8_t kind = 0;
    PayloadReader peek = events_;
    float value = 0;
    if (peek.U8(kind) && kind == static_cast<uint8_t>(Event::Clock) && peek.F32(value)) {
        events_ = peek;
        lastClock_ = value;
    } else if (mismatch_.empty()) {
        mismatch_ = "the game read the clock where the recording did not";
    }
    return lastClock_;
}

void Player::NoticeClosed() {
    // What reached the keys while the notice was up, up to its closing.
    for (;;) {
        PayloadReader peek = events_;
        uint8_t kind = 0;
        if (!peek.U8(kind)) break;
        const Event event = static_cast<Event>(kind);
        if (event == Event::NoticeClosed) {
            events_ = peek;
            return;
        }
        if (event == Event::Frames || event == Event::Checksum || event == Event::Clock) break;
        events_ = peek;
        if (!ApplyEvent(event)) break;
    }
    if (mismatch_.empty()) mismatch_ = "the game showed a notice the recording did not";
}

bool Player::ApplyEvent(Event event) {
    using namespace game;
    RecordedInput recorded;
    uint16_t a = 0, b = 0;
    switch (event) {
        case Event::KeyDown:
            if (!events_.U16(a) || !events_.U16(b)) return false;
            Picture1_KeyDown(0, static_cast<int16_t>(a), static_cast<int16_t>(b));
            return true;
        case Event::KeyUp:
            if (!events_.U16(a) || !events_.U16(b)) return false;
            Picture1_KeyUp(0, static_cast<int16_t>(a), static_cast<int16_t>(b));
            return true;
        case Event::LostKeyboard:
            PauseForLostKeyboard();
            return true;
        case Event::Resumed:
            GameSuspended = false;
            return true;
        case Event::SavedAs: {
            std::string name;
            if (!events_.Text(name)) return false;
            SaveGame(name);
            GameSuspended = false;
            return true;
        }
        case Event::MonstersOff:
            if (!events_.U16(a)) return false;
            ApplyTakeOffMonsters(static_cast<int16_t>(a));
            return true;
        default:
            return false;
    }
}

bool Player::Step() {
    if (state_ != State::Playing) return false;
    while (framesLeftInRun_ == 0) {
        if (events_.AtEnd()) {
            const auto& end = recording_.end;
            if (!end)
                return Stop(State::CutShort, std::string("the recording is ") +
                                                 StatusName(recording_.status) + " after frame " +
                                                 std::to_string(frame_));
            if (end->frames != frame_)
                return Stop(State::Diverged, "the recording ends at frame " +
                                                 std::to_string(end->frames) + ", the game at " +
                                                 std::to_string(frame_));
            if (end->checksum != checksum_.Compute())
                return Stop(State::Diverged,
                            "the state differs at the end, frame " + std::to_string(frame_));
            return Stop(State::Ended, {});
        }
        uint8_t kind = 0;
        events_.U8(kind);
        const Event event = static_cast<Event>(kind);
        if (event == Event::Frames) {
            uint64_t n = 0;
            if (!events_.Varint(n) || n == 0)
                return Stop(State::CutShort, "damaged events at frame " + std::to_string(frame_));
            framesLeftInRun_ = n;
        } else if (event == Event::Checksum) {
            uint32_t expected = 0;
            if (!events_.U32(expected))
                return Stop(State::CutShort, "damaged events at frame " + std::to_string(frame_));
            if (expected != checksum_.Compute())
                return Stop(State::Diverged,
                            "the state differs at frame " + std::to_string(frame_));
        } else if (event == Event::Clock) {
            return Stop(State::Diverged,
                        "the recording read the clock where the game did not, "
                        "frame " +
                            std::to_string(frame_));
        } else if (event == Event::NoticeClosed) {
            return Stop(State::Diverged,
                        "the recording closed a notice the game did not show, "
                        "frame " +
                            std::to_string(frame_));
        } else if (!ApplyEvent(event)) {
            return Stop(State::CutShort, "damaged events at frame " + std::to_string(frame_));
        }
        if (!mismatch_.empty())
            return Stop(State::Diverged, mismatch_ + ", frame " + std::to_string(frame_));
    }
    --framesLeftInRun_;
    ++frame_;
    loop_.RunFrame();
    if (!mismatch_.empty())
        return Stop(State::Diverged, mismatch_ + ", frame " + std::to_string(frame_));
    return true;
}

Player::State Player::PlayToEnd() {
    while (Step()) {
    }
    return state_;
}

}  // namespace replay
