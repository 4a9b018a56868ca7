#include "game/world/world_effects.h"

#include <array>
#include <cmath>

#include "game/core/arrivals.h"
#include "game/core/difficulty.h"
#include "game/core/game_state.h"
#include "game/core/key_text.h"
#include "game/core/messages.h"
#include "game/core/music_director.h"
#include "game/core/play_observer.h"
#include "game/core/progression.h"
#include "game/core/run_statistics.h"
#include "game/core/sound_cues.h"
#include "game/core/speech.h"
#include "game/core/windows.h"
#include "game/levels/current_campaign.h"
#include "game/levels/level_files.h"
#include "game/platform/clock.h"
#include "game/platform/numbers.h"
#include "game/platform/random.h"
#include "game/platform/rounding.h"
#include "game/platform/shown_text.h"
#include "game/world/float_text_colours.h"
#include "game/world/hero_death.h"
#include "game/world/strelba.h"
#include "game/world/walls.h"

namespace game {

namespace {

constexpr const char* kMechanismText = SHOWN_TEXT("Rules", "Spustil jsi nějaký mechanismus...");
constexpr const char* kLevelNotStoredLine =
    SHOWN_TEXT("Rules", "Úroveň se nepodařilo uložit, zůstáváš zde...");
constexpr const char* kEndingText =
    SHOWN_TEXT("Rules", "...a tak jsi dohrál tuto hru...    Game Over");

// Upgrades stop at the type's limit instead of wrapping round.
int16_t Add16(int16_t value, int32_t add) {
    const int32_t sum = static_cast<int32_t>(value) + add;
    return static_cast<int16_t>(sum > INT16_MAX ? INT16_MAX : sum < INT16_MIN ? INT16_MIN : sum);
}

int32_t Add32(int32_t value, int32_t add) {
    const int64_t sum = static_cast<int64_t>(value) + add;
    return static_cast<int32_t>(sum > INT32_MAX ? INT32_MAX : sum < INT32_MIN ? INT32_MIN : sum);
}

void FloatOverItem(const Item& item, const PlayerText& text, int32_t colour) {
    AddFloatText(static_cast<float>(item.X + 9), static_cast<float>(item.Y + 9), text, colour);
}

void FloatOverTile(const Tile& w, const PlayerText& text, int32_t colour) {
    AddFloatText(static_cast<float>(w.X + 10), static_cast<float>(w.Y + 10), text, colour);
}

// "ONCE" in any letter case makes a sign or teleport act once.
bool ActsOnce(const std::string& param) {
    static constexpr char kOnce[] = "ONCE";
    if (param.size() != 4) return false;
    for (size_t k = 0; k < 4; ++k) {
        char c = param[k];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != kOnce[k]) return false;
    }
    return true;
}

// A tile index named by a level's parameter, or -1 when it lies outside the
// grid (a fault in the level: the tile then does nothing at all).
int32_t TargetTile(const std::string& param) {
    const int32_t k = platform::CLng(platform::LeadingNumber(param));
    return IsTileIndex(k) ? k : -1;
}

void PlaceHeroOn(int32_t k) {
    HeroX = static_cast<float>(Tiles[k].X + 2);
    HeroY = static_cast<float>(Tiles[k].Y + 2);
}

// The 5 x 5 tiles about t, in the order they are looked at.
constexpr std::array<int32_t, 25> kRevealOffsets = {
    0,   -26, -25, -24, -1,  1,  24, 25, 26,  // t and its eight neighbours
    -52, -51, -50, -49, -48,                  // two rows up
    48,  49,  50,  51,  52,                   // two rows down
    -27, -23, -2,  2,   27,  23,              // the sides of the middle rows
};

// What a wall among the eight neighbours hides: entries of the reveal list.
struct Shadow {
    int neighbour;
    std::array<int, 3> hidden;  // -1: unused
};
constexpr std::array<Shadow, 8> kShadows = {{
    {2, {11, -1, -1}},  // up hides two up
    {7, {16, -1, -1}},  // down hides two down
    {4, {21, -1, -1}},  // left hides two left
    {5, {22, -1, -1}},  // right hides two right
    {1, {9, 10, 19}},   // up-left
    {3, {12, 13, 20}},  // up-right
    {6, {24, 14, 15}},  // down-left
    {8, {23, 17, 18}},  // down-right
}};

void RevealAround(int32_t t) {
    std::array<int32_t, 25> list;
    for (size_t k = 0; k < list.size(); ++k)
        list[k] = t + kRevealOffsets[k];
    for (size_t k = 0; k <= 8; ++k)
        if (!IsTileIndex(list[k])) list[k] = -1;
    for (const Shadow& s : kShadows) {
        const int32_t n = list[s.neighbour];
        if (n < 0 || !IsWallKind(Tiles[n].Kind)) continue;
        for (int h : s.hidden)
            if (h >= 0) list[h] = -1;
    }
    for (int32_t n : list)
        if (IsTileIndex(n)) Tiles[n].Revealed = kTrue;
}

// The notice of the campaign's end, then back to the menu for good.
void EndTheGame() {
    CountCampaignFinished();
    Music().Ending();
    ShowGameNotice(kEndingText);
    if (ShutdownRequested) return;
    // The menu must never offer "Zpět" or "Uložit" for the finished game,
    // not even in the frame it first shows.
    CanResume = false;
    CanSave = false;
    Windows().EndGameToMenu();
    Music().Menu();
    if (PlayObserver* observer = CurrentPlayObserver()) observer->GameEnds(GameEnd::Finished);
}

void Sign(Tile& w) {
    const PlayerText text = LevelText(WithKeyNames(w.Param1), w.Param1);
    FloatOverTile(w, text, kWhite);
    AddLogLine(text);
    SpeakRuleText(text);
    if (ActsOnce(w.Param2)) w.Kind = kFloor;
}

void Teleport(Tile& w) {
    const int32_t k = TargetTile(w.Param1);
    if (k < 0) return;
    PlayCue(kCueButton, 1.0f);
    PlaceHeroOn(k);
    if (ActsOnce(w.Param2)) w.Kind = kFloor;
}

void LevelExit(Tile& w) {
    const int32_t k = TargetTile(w.Param2);
    if (k < 0) return;
    TravelToLevel(platform::CLng(platform::LeadingNumber(w.Param1)), k);
}

void Mechanism(Tile& w) {
    const int32_t k = TargetTile(w.Param1);
    if (k < 0) return;
    // "picture kind": every blank ends a number that becomes the picture;
    // what follows the last blank is the kind.
    int16_t picture = 0;
    std::string collected;
    for (char c : w.Param2) {
        if (c == ' ') {
            picture = platform::CInt(platform::LeadingNumber(collected));
            collected.clear();
        } else {
            collected.push_back(c);
        }
    }
    const int16_t kind = platform::CInt(platform::LeadingNumber(collected));
    PlayCue(kCueButton, 1.0f);
    Tile& target = Tiles[k];
    target.Kind = kind;
    target.Picture = picture;
    AddTileEffect(static_cast<int16_t>(target.X + 10), static_cast<int16_t>(target.Y + 10));
    w.Kind = kFloor;
    FloatOverTile(w, kMechanismText, kWhite);
    AddLogLine(kMechanismText);
}

void MessageScreen(Tile& w) {
    const PlayerText text = LevelText(WithKeyNames(w.Param1), w.Param1);
    ShowGameNotice(text);
    if (ShutdownRequested) return;
    // The keys were let go while the notice had the keyboard.
    KeyUpHeld = KeyDownHeld = KeyLeftHeld = KeyRightHeld = false;
    FireHeld = false;
    AddLogLine(text);
    w.Kind = kFloor;
}

}  // namespace

void PickUpItem(int16_t& i) {
    const Item item = Items[i];
    switch (item.Kind) {
        case 0: {  // gold
            const int16_t g = platform::CInt(platform::Rnd() * 10.0f + 1.0f);
            Gold = Add32(Gold, g);
            CountGold(g);
            FloatOverItem(item, CountedText(kGainPattern, g), kGoldYellow);
            AddLogLine(GoldFoundText(g));
            break;
        }
        case 1: {  // experience, told in the log first
            const float r = platform::Rnd();
            const int32_t x = platform::CLng(r * static_cast<float>(35 * HeroLevel) +
                                             static_cast<float>(35 * (HeroLevel + 1)));
            Experience = Add32(Experience, x);
            AddLogLine(CountedText(kExperiencePattern, x));
            if (!CheckLevelUp()) FloatOverItem(item, CountedText(kGainPattern, x), kExperienceBlue);
            break;
        }
        case 2: {  // healing, never above the maximum
            int32_t h = LivesHealed(
                GameDifficulty,
                platform::CInt(platform::Rnd() * static_cast<float>(5 * HeroLevel + 4) + 1.0f));
            if (h > MaxLives - Lives) h = MaxLives - Lives;
            CountPotion();
            Lives = Add16(Lives, h);
            if (Lives > MaxLives) Lives = MaxLives;
            FloatOverItem(item, CountedText(kGainPattern, h), kRed);
            const PlayerText healed = LivesMessage("Byl jsi vyléčen za ", h);
            if (!healed.czech.empty()) AddLogLine(healed);
            Windows().SetLivesCaption(platform::ToText(Lives));
            break;
        }
        case 4:
            BombStrength = Add16(BombStrength, 2);
            FloatOverItem(item, SHOWN_TEXT("Rules", "Síla +2"), kBombOrange);
            AddLogLine(SHOWN_TEXT("Rules", "Síla dračí bomby byla vylepšena!"));
            break;
        case 5:
            MissileStrength = Add16(MissileStrength, 1);
            FloatOverItem(item, SHOWN_TEXT("Rules", "Síla +1"), kGoldYellow);
            AddLogLine(SHOWN_TEXT("Rules", "Síla magické střely byla vylepšena!"));
            break;
        case 6:  // "+1" on the panel's scale: five pixels
            BombRange = Add16(BombRange, 5);
            FloatOverItem(item, SHOWN_TEXT("Rules", "Dosah +1"), kBombOrange);
            AddLogLine(SHOWN_TEXT("Rules", "Dosah magické bomby byl vylepšen!"));
            break;
        case 7:
            MissileRange = Add16(MissileRange, 5);
            FloatOverItem(item, SHOWN_TEXT("Rules", "Dosah +1"), kGoldYellow);
            AddLogLine(SHOWN_TEXT("Rules", "Dosah magické střely byl vylepšen!"));
            break;
        case 8:
            // The sum is made in double and stored as a float, like the
            // decimal step it stands for.
            HeroSpeed = static_cast<float>(static_cast<double>(HeroSpeed) + 0.1);
            FloatOverItem(item, SHOWN_TEXT("Rules", "Rychlost +1"), kSpeedGrey);
            AddLogLine(SHOWN_TEXT("Rules", "Tvá rychlost byla vylepšena!"));
            break;
        case 10: {  // gold chest
            const int16_t g = platform::CInt(platform::Rnd() * 50.0f + 10.0f);
            Gold = Add32(Gold, g);
            CountGold(g);
            FloatOverItem(item, CountedText(kGainPattern, g), kGoldYellow);
            AddLogLine(CountedText(kGoldFoundPattern, g));
            break;
        }
        default:
            break;
    }
    if (item.Kind != 3 && item.Kind != 9) {
        PlayCue(kCueButton, 1.0f);
        UpdateStatus();
    }
}

bool TravelToLevel(int32_t level, int32_t arrivalTile) {
    // The level keeps its changes for the hero's return; a level that
    // cannot be stored is not left, so nothing of it is lost.
    if (!StoreLevel(LevelNumber)) {
        if (!ShutdownRequested) AddLogLine(kLevelNotStoredLine);
        return false;
    }
    NoteGameStateBroken();
    // Tile positions are the same in every level.
    PlaceHeroOn(arrivalTile);
    LevelNumber = level;
    if (!LoadLevel(LevelNumber)) return false;
    NoteHeroArrived();
    CountArrival(LevelNumber);
    return true;
}

void HeroTileEvents() {
    const int32_t t = TileIndexOf(HeroX + 7.0f, HeroY + 7.0f);
    RevealAround(t);
    // A dead hero's body still slides on a held key's repeats; no tile acts
    // for it (an exit would write into the working folder his death emptied).
    if (HeroDead) return;
    if (t <= 0 || t >= 624) return;
    if (Tiles[t].Kind == kTrapFloor) {
        TrapStep();
        return;
    }
    // Tiles act only as the hero's centre arrives on them.
    if (t == LastHeroTile) return;
    LastHeroTile = static_cast<int16_t>(t);

    const bool builtIn = CurrentCampaign().BuiltIn();
    if (builtIn && LevelNumber == kLastLevel && t == kDoorClosingTile &&
        Tiles[kHallDoorTile].Kind != kSolidWall) {
        // The last hall's door shuts behind the hero.
        PlayCue(kCueButton, 1.0f);
        Tile& door = Tiles[kHallDoorTile];
        AddTileEffect(static_cast<int16_t>(door.X + 10), static_cast<int16_t>(door.Y + 10));
        door.Kind = kSolidWall;
        door.Picture = 28;
    }
    if (IsCampaignEnding(LevelNumber, t)) {
        EndTheGame();
        return;
    }

    Tile& w = Tiles[t];
    switch (w.Kind) {
        case kSign:
            Sign(w);
            break;
        case kTeleport:
            Teleport(w);
            break;
        case kLevelExit:
            LevelExit(w);
            break;
        case kMechanism:
            Mechanism(w);
            break;
        case kMessageScreen:
            MessageScreen(w);
            break;
        default:
            break;
    }
}

void TrapStep() {
    if (platform::SecondsSince(TrapTime, platform::TimeOfDay()) < 1.0f) return;
    // One life, in the easy game too (half of one, rounded up).
    if (Lives > 0) {
        Lives = static_cast<int16_t>(Lives - 1);
        if (!HeroDead) CountLivesLost(1);
    }
    Windows().SetLivesCaption(platform::ToText(Lives));
    if (!HeroDead) PlayCue(kCueHurt, 0.8f + 0.4f * platform::Rnd());
    if (Lives > 0) {
        AddFloatText(HeroX + 7.0f, HeroY + 7.0f, "-1", kRed);
        AddLogLine(CountedText(SHOWN_COUNTED_TEXT("Rules", "Byl jsi zraněn za %n životů..."), 1,
                               "Byl jsi zraněn za 1 život..."));
        TrapTime = platform::TimeOfDay();
    } else if (!HeroDead) {
        KillHero();
    }
}

}  // namespace game
