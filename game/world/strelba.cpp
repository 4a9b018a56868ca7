#include "game/world/strelba.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "game/core/difficulty.h"
#include "game/core/game_state.h"
#include "game/core/impact_sparks.h"
#include "game/core/messages.h"
#include "game/core/progression.h"
#include "game/core/rules_version.h"
#include "game/core/run_statistics.h"
#include "game/core/sound_cues.h"
#include "game/core/windows.h"
#include "game/levels/current_campaign.h"
#include "game/platform/clock.h"
#include "game/platform/numbers.h"
#include "game/platform/random.h"
#include "game/platform/rounding.h"
#include "game/platform/shown_text.h"
#include "game/world/float_text_colours.h"
#include "game/world/hero_death.h"
#include "game/world/walls.h"

namespace game {

namespace {

// The ring of a bomb's burst: one velocity per fragment, clockwise from up.
struct Velocity {
    float dx, dy;
};
constexpr std::array<Velocity, 16> kFragmentVelocities = {{
    {0.0f, -2.0f},
    {0.9f, -1.928f},
    {1.4142f, -1.4142f},
    {1.928f, -0.9f},
    {2.0f, 0.0f},
    {1.928f, 0.9f},
    {1.4142f, 1.4142f},
    {0.9f, 1.928f},
    {0.0f, 2.0f},
    {-0.9f, 1.928f},
    {-1.4142f, 1.4142f},
    {-1.928f, 0.9f},
    {-2.0f, 0.0f},
    {-1.928f, -0.9f},
    {-1.4142f, -1.4142f},
    {-0.9f, -1.928f},
}};

// A cue whose speed varies at random about its base.
void PlayVariedCue(int16_t slot, float base, float spread) {
    PlayCue(slot, base + spread * platform::Rnd());
}

// The hurt sound is kept for the living.
void PlayHurtCue() {
    if (!HeroDead) PlayVariedCue(kCueHurt, 0.8f, 0.4f);
}

// Integer values of the state never wrap round: a huge blow or bonus stops
// at the type's limit instead.
int16_t Clamp16(int32_t value) {
    return static_cast<int16_t>(std::clamp<int32_t>(value, std::numeric_limits<int16_t>::min(),
                                                    std::numeric_limits<int16_t>::max()));
}

int32_t Clamp32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

void LogIfAny(const PlayerText& line) {
    if (!line.czech.empty()) AddLogLine(line);
}

// Experience for a kill, with its floating text unless the hero rose a
// level (the level-up text says it then).  A dead hero's missile still in
// flight may kill, but earns him nothing (under the first rules it earned
// him all a living hero's would).
void RewardKill(int16_t j) {
    if (HeroDead && RulesHave(RuleChange::kDeadHeroGainsNothing)) {
        AddLogLine(SHOWN_TEXT("Rules", "Monstrum bylo zabito..."));
        return;
    }
    // The run's records count the living hero's kills.
    if (!HeroDead) CountKill(Monsters[j].Picture);
    const int32_t xp = KillExperience(Monsters[j]);
    Experience = Clamp32(static_cast<int64_t>(Experience) + xp);
    AddLogLine(SHOWN_TEXT("Rules", "Monstrum bylo zabito..."));
    AddLogLine(CountedText(kExperiencePattern, xp));
    if (!CheckLevelUp())
        AddFloatText(HeroX + 7.0f, HeroY + 7.0f, CountedText(kGainPattern, xp), kExperienceBlue);
}

void CountdownStep(const char* text) {
    AddFloatText(static_cast<float>(BombX + 4), static_cast<float>(BombY + 4), text,
                 kCountdownCyan);
    PlayCue(kCueCountdown, 1.0f);
}

}  // namespace

// ---------------------------------------------------------------------------
// Projectile passes.

void FireMissiles() {
    int16_t n = MissileCooldown;
    if (n > 0) {
        n = static_cast<int16_t>(n + 1);
        MissileCooldown = n;
    }
    if (n == kMissileCooldownFrames + 1) {
        n = 0;
        MissileCooldown = 0;
    }
    if (FireHeld && n == 0) {
        int16_t i = AppendEntry(Missiles, MissileCount);
        MissileCooldown = 1;
        LaunchMissile(i);
        PlayVariedCue(kCueMissile, 0.8f, 0.4f);
    }
}

void MoveMissiles() {
    for (int16_t i = 0; i <= MissileCount - 1;) {
        Projectile& p = Missiles[i];
        p.X = p.X + p.DX;
        p.Y = p.Y + p.DY;
        if (std::fabs(p.X - p.StartX) > MissileRange || std::fabs(p.Y - p.StartY) > MissileRange) {
            // The pass ends here: the missiles after this one wait a frame.
            RemoveMissile(i);
            return;
        }
        ++i;
    }
}

void MissilesHitMonsters() {
    const int16_t b = static_cast<int16_t>(MissileCount - 1);
    int16_t i = 0;
    while (i <= b && i < MissileCount) {
        const int16_t lastMonster = static_cast<int16_t>(MonsterCount - 1);
        for (int16_t j = 0; j <= lastMonster; ++j) {
            if (MissileHitsMonster(i, j)) {
                i = static_cast<int16_t>(i - 1);
                break;
            }
        }
        if (i < 0) i = 0;
        if (i == MissileCount - 1) return;
        ++i;
    }
}

void MissilesHitWalls() {
    const int16_t last = static_cast<int16_t>(MissileCount - 1);
    for (int16_t i = 0; i <= last; ++i)
        if (MissileHitsWall(i)) return;
}

void BombCountdown() {
    if (!BombArmed) return;
    // Every stage that is due fires now, also several after a long pause.
    const float t = platform::SecondsSince(BombTime, platform::TimeOfDay());
    if (t > 0.0f && BombStage == 0) {
        CountdownStep("3");
        BombStage = 1;
    }
    if (t > 1.0f && BombStage == 1) {
        CountdownStep("2");
        BombStage = 2;
    }
    if (t > 2.0f && BombStage == 2) {
        CountdownStep("1");
        BombStage = 3;
    }
    if (t > 3.0f) {
        BombStage = 0;
        ExplodeBomb();
        BombArmed = false;
        PlayCue(kCueBoom, 1.0f);
    }
}

void MoveFragments() {
    const int16_t b = static_cast<int16_t>(FragmentCount - 1);
    int16_t i = 0;
    while (i <= b && i <= FragmentCount - 1) {
        Projectile& f = Fragments[i];
        f.X = f.X + f.DX;
        f.Y = f.Y + f.DY;
        // A removed fragment's slot now holds another one: look at it again.
        if (FragmentOutOfRange(i) || FragmentHitsMonster(i) || FragmentHitsHero(i) ||
            FragmentHitsWall(i))
            continue;
        ++i;
    }
}

void ProjectilePasses() {
    FireMissiles();
    MoveMissiles();
    MissilesHitMonsters();
    MissilesHitWalls();
    BombCountdown();
    MoveFragments();
}

// ---------------------------------------------------------------------------
// Missiles, bombs and walls.

void LaunchMissile(int16_t& i) {
    Projectile& p = Missiles[i];
    p.X = HeroX + 6.0f;
    p.Y = HeroY + 6.0f;
    switch (HeroFacing) {
        case 0:
            p.DY = 2.0f;
            break;
        case 1:
            p.DY = -2.0f;
            break;
        case 2:
            p.DX = 2.0f;
            break;
        case 3:
            p.DX = -2.0f;
            break;
        default:
            break;
    }
    p.StartX = p.X;
    p.StartY = p.Y;
}

bool MissileHitsWall(int16_t& i) {
    const Projectile& p = Missiles[i];
    if (!(0.0f < p.X && p.X < 500.0f && 0.0f < p.Y && p.Y < 500.0f)) {
        RemoveMissile(i);
        return true;
    }
    const int32_t t = TileIndexOf(p.X, p.Y);
    if (!IsTileIndex(t)) return false;
    Tile& w = Tiles[t];
    if (w.Kind == kSolidWall) {
        ShowImpactSpark(p.X, p.Y);
        RemoveMissile(i);
        PlayVariedCue(kCueImpact, 0.8f, 0.4f);
        return true;
    }
    if (w.Kind == kDestructibleWall) {
        DamageWall(w, MissileStrength, true);
        RemoveMissile(i);
        return true;
    }
    return false;
}

void DamageWall(Tile& w, int16_t strength, bool byMissile) {
    const int32_t h = static_cast<int32_t>(platform::CInt(platform::LeadingNumber(w.Param1))) -
                      static_cast<int32_t>(strength);
    PlayVariedCue(kCueHit, 0.8f, 0.4f);
    AddFloatText(static_cast<float>(w.X + 10), static_cast<float>(w.Y + 10),
                 CountedText(kLossPattern, strength), kWhite);
    if (h < 1) {
        if (IsHiddenWall(w.Kind, w.Picture))
            CountSecret(LevelNumber, static_cast<int16_t>(w.Y / kTileSize * 25 + w.X / kTileSize));
        AddExplosion(static_cast<int16_t>(w.X + 10), static_cast<int16_t>(w.Y + 10));
        if (byMissile) PlayVariedCue(kCueBoom, 0.9f, 0.2f);
        w.Picture = platform::CInt(platform::LeadingNumber(w.Param2));
        w.Kind = kFloor;
    }
    w.Param1 = platform::ToText(h);
}

void ExplodeBomb() {
    // A burst replaces whatever fragments of an earlier one still fly; the
    // marks of that blast stay until the last fragment is gone.
    Fragments.resize(kFragmentVelocities.size());
    FragmentCount = static_cast<int16_t>(kFragmentVelocities.size());
    AddExplosion(static_cast<int16_t>(BombX + 4), static_cast<int16_t>(BombY + 4));
    const float x = static_cast<float>(BombX - 2);
    const float y = static_cast<float>(BombY - 2);
    for (size_t k = 0; k < kFragmentVelocities.size(); ++k)
        Fragments[k] = Projectile{x, y, x, y, kFragmentVelocities[k].dx, kFragmentVelocities[k].dy};
}

bool FragmentOutOfRange(int16_t& i) {
    const Projectile& f = Fragments[i];
    const float ex = f.X - f.StartX;
    const float ey = f.Y - f.StartY;
    if (!(std::sqrt(ex * ex + ey * ey) > BombRange)) return false;
    AddExplosion(platform::CInt(f.X + 6.0f), platform::CInt(f.Y + 6.0f));
    RemoveFragment(i);
    return true;
}

bool FragmentHitsWall(int16_t& i) {
    const Projectile f = Fragments[i];
    int16_t hit = -1;
    for (int16_t n : NeighbourTiles(TileIndexOf(f.X, f.Y))) {
        if (n < 0) continue;
        const Tile& w = Tiles[n];
        if (HitsLeftFace(w, f.X, f.Y, f.DX, 12.0f) || HitsRightFace(w, f.X, f.Y, f.DX, 12.0f) ||
            HitsBottomFace(w, f.X, f.Y, f.DY, 12.0f) || HitsTopFace(w, f.X, f.Y, f.DY, 12.0f)) {
            hit = n;
            break;
        }
    }
    if (hit < 0) return false;
    AddExplosion(platform::CInt(f.X + 6.0f), platform::CInt(f.Y + 6.0f));
    Tile& w = Tiles[hit];
    // The wall is damaged and marked before the fragment goes, so that the
    // end of the blast (the last fragment) clears its mark as well.
    if (w.Kind == kDestructibleWall && !w.BlastHit) {
        DamageWall(w, BombStrength, false);
        w.BlastHit = true;
    }
    RemoveFragment(i);
    return true;
}

// ---------------------------------------------------------------------------
// Combat.

bool SquaresTouch(float ax, float ay, float bx, float by, float size) {
    const bool yNear = std::fabs(ay - by) < size;
    const bool xNear = std::fabs(ax - bx) < size;
    return (ax < bx && bx < ax + size && yNear) || (bx < ax && ax < bx + size && yNear) ||
           (ay < by && by < ay + size && xNear) || (by < ay && ay < by + size && xNear);
}

void TouchHero(int16_t& i) {
    if (!SquaresTouch(Monsters[i].X, Monsters[i].Y, HeroX, HeroY, 15.0f)) {
        Monsters[i].InContact = false;
        return;
    }
    if (!Monsters[i].InContact) {
        HitHero(i);
        Monsters[i].InContact = true;
        Monsters[i].LastHitTime = platform::TimeOfDay();
    } else if (platform::SecondsSince(Monsters[i].LastHitTime, platform::TimeOfDay()) > 1.0f) {
        Monsters[i].LastHitTime = platform::TimeOfDay();
        HitHero(i);
    }
}

void HitHero(int16_t& i) {
    const int32_t damage = LivesTaken(GameDifficulty, Monsters[i].Damage);
    if (!HeroDead) CountLivesLost(damage);
    Lives = Clamp16(static_cast<int32_t>(Lives) - damage);
    UpdateStatus();
    PlayHurtCue();
    if (Lives > 0) {
        AddFloatText(HeroX + 7.0f, HeroY + 7.0f, CountedText(kLossPattern, damage), kRed);
        LogIfAny(LivesMessage("Byl jsi zraněn za ", damage));
    } else if (!HeroDead) {
        KillHero();
    }
}

bool MissileHitsMonster(int16_t& i, int16_t& j) {
    const Projectile& p = Missiles[i];
    const int32_t x = platform::CLng(p.X);
    const int32_t y = platform::CLng(p.Y);
    const Rect& r = MonsterRects[j];
    if (!(r.Left <= x && x < r.Right && r.Top <= y && y < r.Bottom)) return false;

    RemoveMissile(i);
    Monster& m = Monsters[j];
    m.HitPoints = Clamp16(static_cast<int32_t>(m.HitPoints) - MissileStrength);
    PlayVariedCue(kCueHit, 0.8f, 0.4f);
    AddFloatText(m.X + 7.0f, m.Y + 7.0f, CountedText(kLossPattern, MissileStrength), kWhite);
    LogIfAny(LivesMessage("Monstrum bylo zraněno za ", MissileStrength));
    if (m.HitPoints < 1) {
        AddExplosion(platform::CInt(m.X + 6.0f), platform::CInt(m.Y + 6.0f));
        PlayVariedCue(kCueBoom, 0.9f, 0.2f);
        RewardKill(j);
        RemoveMonster(j);
        UpdateStatus();
    }
    return true;
}

bool FragmentHitsMonster(int16_t& i) {
    const Projectile f = Fragments[i];
    int16_t j = 0;
    const int16_t last = static_cast<int16_t>(MonsterCount - 1);
    for (; j <= last; ++j)
        if (SquaresTouch(f.X, f.Y, Monsters[j].X, Monsters[j].Y, 15.0f) && !Monsters[j].BlastHit)
            break;
    if (j > last) return false;

    AddExplosion(platform::CInt(f.X + 6.0f), platform::CInt(f.Y + 6.0f));
    // Marked before the fragment goes, so the end of the blast clears it.
    Monsters[j].BlastHit = true;
    RemoveFragment(i);
    Monster& m = Monsters[j];
    m.HitPoints = Clamp16(static_cast<int32_t>(m.HitPoints) - BombStrength);
    PlayVariedCue(kCueHit, 0.8f, 0.4f);
    AddFloatText(m.X + 7.0f, m.Y + 7.0f, CountedText(kLossPattern, BombStrength), kWhite);
    AddLogLine(CountedText(SHOWN_COUNTED_TEXT("Rules", "Monstrum bylo zraněno za %n životů..."),
                           BombStrength));
    if (m.HitPoints < 1) {
        PlayVariedCue(kCueBoom, 0.9f, 0.2f);
        RewardKill(j);
        AddExplosion(platform::CInt(Monsters[j].X + 7.0f), platform::CInt(Monsters[j].Y + 7.0f));
        RemoveMonster(j);
        UpdateStatus();
    }
    return true;
}

bool FragmentHitsHero(int16_t& i) {
    const Projectile f = Fragments[i];
    if (!SquaresTouch(f.X, f.Y, HeroX, HeroY, 12.0f) || HeroBlastHit) return false;
    AddExplosion(platform::CInt(f.X + 6.0f), platform::CInt(f.Y + 6.0f));
    // Marked before the fragment goes, so the end of the blast clears it.
    HeroBlastHit = true;
    RemoveFragment(i);
    PlayHurtCue();
    const int32_t damage = LivesTaken(GameDifficulty, BombStrength);
    if (!HeroDead) CountLivesLost(damage);
    Lives = Clamp16(static_cast<int32_t>(Lives) - damage);
    Windows().SetLivesCaption(platform::ToText(Lives));
    if (Lives > 0) {
        AddFloatText(HeroX + 7.0f, HeroY + 7.0f, CountedText(kLossPattern, damage), kRed);
        AddLogLine(
            CountedText(SHOWN_COUNTED_TEXT("Rules", "Byl jsi zraněn za %n životů..."), damage));
    } else if (!HeroDead) {
        KillHero();
    }
    return true;
}

int32_t KillExperience(const Monster& m) {
    const float r = platform::Rnd();
    const int32_t worth = 2 * ((static_cast<int32_t>(m.Kind) + 1) * 10 + m.Damage);
    int32_t xp = platform::CLng(r * 5.0f + static_cast<float>(worth));
    // The last hall of the built-in campaign pays for every kill alike.
    if (LevelNumber == kLastLevel && CurrentCampaign().BuiltIn()) xp = 500;
    return xp;
}

std::string LivesEnding(int32_t n) {
    if (n < 1) return "";
    if (n == 1) return " život...";
    if (n <= 4) return " životy...";
    return " životů...";
}

// LivesMessage's templates that no line of the rules writes out whole,
// named here for the translation.
[[maybe_unused]] constexpr const char* kComposedLivesTemplates[] = {
    SHOWN_COUNTED_TEXT("Rules", "Byl jsi vyléčen za %n životů...")};

PlayerText LivesMessage(const std::string& prefix, int32_t n) {
    if (n < 1) return PlayerText();
    return CountedText(prefix + "%n životů...", n, prefix + platform::ToText(n) + LivesEnding(n));
}

}  // namespace game
