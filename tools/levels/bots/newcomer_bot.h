// A newcomer at the keys: plays a level the way a person new to the game
// does, through the real frame loop, knowing only what the play field has
// shown him (FieldMemory) and reacting late.
//
// He looks for the stairs down: walks to them once he has seen them, else
// explores the nearest edge of what he knows, tries portals he has seen,
// pulls the levers he finds, reads the signs near his way and picks up what
// lies near it (a potion only when he is hurt, from farther when he is badly
// hurt).  When he has seen everything he can walk to, he breaks a cracked
// wall (missiles, a bomb for boulders or for a wall that missiles do not
// break) and, last of all, goes through a tunnel mouth; he never goes back
// up the stairs.
//
// He notices a monster 200-300 ms after it came into sight (what he acts
// on is the field as it was that long ago), fights what comes within three
// tiles with nothing solid between: lines up with it, turns to it and holds
// Ctrl, walking closer while it is more than two tiles off; badly hurt, he
// runs from a monster that touches him.  He lays a bomb beside the wall,
// starts running after his reaction time and stops two to three and a half
// tiles from it.  Keys are held for whole frames; where he stops and how
// well he lines up with a doorway are off by a couple of pixels, and when
// the walls stop him he notices it late and sidesteps to line up again.
// campaign/README.md states the rules with their figures.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <vector>

#include "tools/levels/bots/bot_random.h"
#include "tools/levels/bots/field_memory.h"
#include "tools/levels/bots/hero_search.h"
#include "tools/levels/bots/wall_breaker.h"

namespace levels_tool {

class NewcomerBot {
  public:
    // `wayOn` is the way out he looks for: the stairs down, or a tunnel
    // mouth into a side branch he means to see (then the stairs down are
    // not his way).  `cameBy` is what he came into the level through
    // (stairs up after stairs down, a tunnel mouth, ...; Unknown at the
    // start of a game): the way out of that look nearest to where he
    // stands first is the way back, which he takes only when nothing else
    // is left.
    explicit NewcomerBot(uint64_t seed, Looks wayOn = Looks::StairsDown,
                         Looks cameBy = Looks::Unknown);

    // Runs in the frame loop's idle pass before every frame: looks at the
    // field and sets the keys for the coming frame.
    void BeforeFrame();

    // Times the walls stopped him where he meant to go through.
    int Bumps() const { return bumps_; }

  private:
    enum class Mode { Explore, Break, Flee };
    enum class Aim { None, Potion, Stairs, Item, Sign, Lever, Edge, Portal, Tunnel };

    // What he saw in one frame, kept to be acted on late.
    struct Glimpse {
        std::vector<SeenMonster> monsters;
        int16_t lives = 0;
        // The field's red edge of low health.
        bool livesLow = false;
    };

    // --- looking --------------------------------------------------------
    void Observe();
    const Glimpse& Seen(int framesAgo) const;
    bool Interrupted();
    const SeenMonster* Threat(const Glimpse& glimpse) const;
    bool ClearLine(float ax, float ay, float bx, float by) const;

    // --- deciding -------------------------------------------------------
    void Think();
    void Fight(const SeenMonster& monster);
    void Explore();
    bool ChooseAim();
    void StepTowards(const std::vector<int32_t>& path);
    void Break();
    bool FleeFrom(float x, float y, float distance);
    bool StepOffHazard();
    void NoteWayBack();
    bool WayOut(int32_t t, Looks looks) const;
    void OnStuck();
    void Hold(Heading heading, bool fire, int frames);

    // --- keys -----------------------------------------------------------
    void ApplyKeys();

    float Step(Heading heading) const;
    int32_t HeroTile() const;

    BotRandom random_;
    Looks wayOn_;
    Looks cameBy_;
    int32_t start_ = -1;
    // The way out he came in by; -1 until he has seen it.
    int32_t wayBack_ = -1;
    FieldMemory memory_;
    int bumps_ = 0;
    int frame_ = 0;

    std::array<Glimpse, 32> glimpses_;
    int delay_ = 15;
    int16_t noticedLives_ = 0;

    // The keys for the coming frames.
    Heading heading_ = Heading::Stand;
    bool fire_ = false;
    bool space_ = false;
    int framesLeft_ = 0;

    Mode mode_ = Mode::Explore;
    Aim aim_ = Aim::None;
    int32_t goal_ = -1;

    // Where the hero stood, for noticing walls and portals.
    float lastX_ = 0, lastY_ = 0;
    int stillFrames_ = 0;
    int16_t lastLives_ = 0;
    int32_t stuckFrom_ = -1, stuckTo_ = -1;
    int stuckTries_ = 0;
    int itemWait_ = 0;

    // The monster he fights, and the ones he has given up on for a while.
    int foe_ = -1;
    int foeSince_ = 0;
    int lastFoe_ = -1, lastFoeFrame_ = 0;
    int skirmishSince_ = 0, skirmishPauseUntil_ = 0;
    int16_t monstersLeft_ = 0;
    std::map<int, int> ignoreUntil_;
    int fleeUntil_ = 0;

    // The wall he breaks.
    WallBreaker breaker_;
};

}  // namespace levels_tool
