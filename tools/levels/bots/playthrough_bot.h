// A player who knows the way: walks the hero through the cave along a
// route of legs (CampaignRoutes), pressing and releasing keys through the game
// window's key handlers between frames, the way a player's keyboard would.
// In each level it plans its way with the game's own movement (the walk
// planner), breaks destructible walls in the way with missiles or bombs,
// steps on the mechanisms that open the way, and in the last hall hunts a
// monster down when the gate only a kill opens is in the way (or takes the
// hall's monsters off when none could be fought and survived).  Monsters
// elsewhere are taken off the level when the hero arrives, and the cheat
// key refills his lives whenever he has lost some.  The playthrough test
// plays the campaign with it; the difficulty runs take from it the hero a
// player has when he first comes to a level.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/levels/bots/campaign_routes.h"
#include "tools/levels/bots/walk_planner.h"

namespace levels_tool {

class PlaythroughBot {
  public:
    struct Options {
        // Bombs rather than missiles for destructible walls.
        bool preferBombs = false;
        // The bot gives up after this many frames.
        int frameLimit = 400000;
    };

    // What the bot did on the way.
    struct Tally {
        int frames = 0;
        int wallsShot = 0;
        int wallsBombed = 0;
        int bombsLaid = 0;
        int missilesFired = 0;
        int mechanisms = 0;
        int kills = 0;
        // Last halls opened by taking off monsters too strong to fight.
        int removedInHall = 0;
        int replans = 0;
        std::vector<int32_t> levels;  // in the order the hero came to them
    };

    PlaythroughBot(std::vector<Leg> legs, Options options);

    // Runs in the frame loop's idle pass before every frame: looks at the
    // game and sets the keys for the coming frame.  False when the bot is
    // through (the route walked, the game ended) or has given up.
    bool BeforeFrame();

    bool Done() const { return done_; }
    // Why the bot gave up; empty while it has not.
    const std::string& Failure() const { return failure_; }
    const Tally& Counts() const { return tally_; }

  private:
    enum class Mode { Follow, Fire, WaitBlast, Hunt };
    // What follows once the hero has walked the plan.
    enum class Then { Goal, Fire, LayBomb, WaitBlast };
    enum class Progress { Moving, Arrived, Missed };

    bool Fail(const std::string& why);
    void KeepAlive();
    bool Arrive();
    void ClearMonsters();
    bool GateNeeded();

    bool Follow();
    Progress StepAlong();
    bool PlanGoal();
    bool Mismatch();
    bool PlanDone();
    void StartPlan(WalkPlan plan, Then then);

    bool AttackWall(int32_t wall);
    bool ApproachForBomb();
    bool Fire();
    bool WaitBlast();
    bool Hunt();

    const Leg& CurrentLeg() const { return legs_[leg_]; }
    float Step() const;

    std::vector<Leg> legs_;
    Options options_;
    size_t leg_ = 0;
    int32_t level_ = -1;
    bool done_ = false;
    std::string failure_;
    Tally tally_;

    Mode mode_ = Mode::Follow;
    std::optional<WalkPlan> plan_;
    Then then_ = Then::Goal;
    size_t stride_ = 0;
    int framesLeft_ = 0;
    Heading heading_ = Heading::Stand;
    Spot missed_{};
    Spot plannedAt_{-1000.0f, -1000.0f};
    int stuck_ = 0;

    int32_t wall_ = -1;
    int fireUntil_ = 0;
    int bombs_ = 0;
    int huntPlannedAt_ = 0;
};

}  // namespace levels_tool
