#include "tools/levels/bots/walk_planner.h"

#include <cmath>
#include <functional>

namespace levels_tool {
namespace {

WalkPlan PlanAlong(const HeroSearch& search, int32_t n, int32_t tile) {
    WalkPlan plan;
    plan.tile = tile;
    for (int32_t node : search.PathTo(n)) {
        const HeroSearch::Node& step = search.Nodes()[node];
        if (step.parent < 0) continue;
        plan.strides.push_back(step.stride);
        plan.spots.push_back({step.x, step.y});
    }
    return plan;
}

SearchSettings Settings(float step, bool breakablesPassable) {
    SearchSettings settings;
    settings.step = step;
    settings.breakablesPassable = breakablesPassable;
    settings.gateOpensOnKill = breakablesPassable;
    // The hero has to step on a mechanism for it to act.
    settings.mechanismsOpen = false;
    return settings;
}

std::optional<WalkPlan> PlanTo(const WalkLevel& level, const SearchSettings& settings,
                               const std::function<bool(const HeroSearch::Node&)>& goal,
                               int32_t tile) {
    HeroSearch search(level, settings);
    search.AddStart(game::HeroX, game::HeroY);
    search.Run();
    const int32_t n = search.FirstNode(goal);
    if (n < 0) return std::nullopt;
    return PlanAlong(search, n, tile);
}

// A place the hero can stay on: not an exit, not the end of the game.
bool Stays(const WalkLevel& level, const HeroSearch::Node& n) {
    if (!game::IsTileIndex(n.centre)) return false;
    if (level.number == game::kLastLevel && n.centre == game::kEndingTile) return false;
    return level.kinds[n.centre] != game::kLevelExit;
}

bool Reaches(const WalkLevel& level, const SearchSettings& settings, int32_t goal) {
    HeroSearch search(level, settings);
    search.AddStart(game::HeroX, game::HeroY);
    search.Run();
    return search.ReachedTile(goal);
}

}  // namespace

int16_t FacingOf(Heading heading) {
    switch (heading) {
        case Heading::Up:
            return 1;
        case Heading::Right:
            return 2;
        case Heading::Left:
            return 3;
        default:
            return 0;
    }
}

bool MissileWouldHit(float x, float y, int16_t facing, int16_t range, int32_t wall) {
    // The flight of a missile alone on the field: launched at the hero's
    // corner + 6, two pixels a frame, gone beyond its range, at the border
    // and in the first wall under its point.
    const float startX = x + 6.0f, startY = y + 6.0f;
    const float dx = facing == 2 ? 2.0f : facing == 3 ? -2.0f : 0.0f;
    const float dy = facing == 0 ? 2.0f : facing == 1 ? -2.0f : 0.0f;
    float px = startX, py = startY;
    for (;;) {
        px += dx;
        py += dy;
        if (std::fabs(px - startX) > range || std::fabs(py - startY) > range) return false;
        if (!(px > 0 && px < game::kFieldSize && py > 0 && py < game::kFieldSize)) return false;
        const int32_t t = game::TileIndexOf(px, py);
        if (!game::IsTileIndex(t)) continue;
        if (t == wall) return true;
        const int16_t kind = game::Tiles[t].Kind;
        if (kind == game::kSolidWall || kind == game::kDestructibleWall) return false;
    }
}

std::optional<WalkPlan> PlanWalkTo(int32_t goal, float step) {
    const WalkLevel level = CurrentWalkLevel();
    const SearchSettings settings = Settings(step, true);
    const auto onGoal = [goal](const HeroSearch::Node& n) { return n.centre == goal; };
    if (auto plan = PlanTo(level, settings, onGoal, goal)) return plan;

    // Behind a passage a mechanism opens: first the mechanism that opens it
    // on its own, else the first that opens anything on the way there.
    HeroSearch opening(level, [&] {
        SearchSettings s = settings;
        s.mechanismsOpen = true;
        return s;
    }());
    opening.AddStart(game::HeroX, game::HeroY);
    opening.Run();
    if (!opening.ReachedTile(goal) || opening.AppliedMechanisms().empty()) return std::nullopt;
    for (int32_t m = 0; m < game::kTileCount; ++m) {
        if (level.kinds[m] != game::kMechanism || level.target[m] < 0 ||
            level.newKind[m] == game::kSolidWall)
            continue;
        WalkLevel opened = level;
        opened.kinds[m] = game::kFloor;
        opened.kinds[level.target[m]] = level.newKind[m];
        if (!Reaches(opened, settings, goal)) continue;
        const auto onMechanism = [m](const HeroSearch::Node& n) { return n.centre == m; };
        if (auto plan = PlanTo(level, settings, onMechanism, m)) return plan;
    }
    const int32_t first = opening.AppliedMechanisms().front();
    return PlanTo(
        level, settings, [first](const HeroSearch::Node& n) { return n.centre == first; }, first);
}

std::optional<WalkPlan> PlanFiringSpot(int32_t wall, float step) {
    const int16_t range = game::MissileRange;
    if (MissileWouldHit(game::HeroX, game::HeroY, game::HeroFacing, range, wall))
        return WalkPlan{{}, {}, wall};
    const WalkLevel level = CurrentWalkLevel();
    const auto spot = [&](const HeroSearch::Node& n) {
        return n.parent >= 0 && n.stride.heading != Heading::Stand && Stays(level, n) &&
               MissileWouldHit(n.x, n.y, FacingOf(n.stride.heading), range, wall);
    };
    return PlanTo(level, Settings(step, false), spot, wall);
}

std::optional<WalkPlan> PlanNear(float x, float y, float radius, float step, bool away) {
    const WalkLevel level = CurrentWalkLevel();
    const auto near = [&](const HeroSearch::Node& n) {
        const float d = std::hypot(n.x + 7.5f - x, n.y + 7.5f - y);
        return (away ? d > radius : d < radius) && Stays(level, n);
    };
    return PlanTo(level, Settings(step, false), near, -1);
}

}  // namespace levels_tool
