#include "tools/levels/bots/tile_paths.h"

#include <algorithm>
#include <functional>
#include <queue>

namespace levels_tool {
namespace {

constexpr int kHazardStep = 10 * TilePaths::kStep;
constexpr int kCrackedStep = 8 * TilePaths::kStep;

constexpr std::array<int32_t, game::kTileCount> EveryTile() {
    std::array<int32_t, game::kTileCount> tiles{};
    for (int32_t t = 0; t < game::kTileCount; ++t)
        tiles[t] = t;
    return tiles;
}

}  // namespace

const std::array<int32_t, game::kTileCount> TilePaths::kEveryTile = EveryTile();

float MiddleX(int32_t t) {
    return static_cast<float>((t % game::kGridSize) * game::kTileSize) + 2.5f;
}
float MiddleY(int32_t t) {
    return static_cast<float>((t / game::kGridSize) * game::kTileSize) + 2.5f;
}

bool Walkable(Looks looks) {
    switch (looks) {
        case Looks::Floor:
        case Looks::Sign:
        case Looks::Lever:
        case Looks::Hazard:
            return true;
        default:
            return false;
    }
}

int32_t Beside(int32_t t, Heading heading) {
    const int32_t row = t / game::kGridSize, column = t % game::kGridSize;
    switch (heading) {
        case Heading::Up:
            return row > 0 ? t - game::kGridSize : -1;
        case Heading::Down:
            return row < game::kGridSize - 1 ? t + game::kGridSize : -1;
        case Heading::Left:
            return column > 0 ? t - 1 : -1;
        case Heading::Right:
            return column < game::kGridSize - 1 ? t + 1 : -1;
        default:
            return t;
    }
}

Heading Towards(int32_t from, int32_t to) {
    for (Heading h : {Heading::Up, Heading::Down, Heading::Left, Heading::Right})
        if (Beside(from, h) == to) return h;
    return Heading::Stand;
}

TilePaths::TilePaths(const FieldMemory& memory, int32_t from, bool throughCracked,
                     const std::vector<int32_t>& avoid)
    : from_(from) {
    cost_.fill(-1);
    previous_.fill(-1);
    if (!game::IsTileIndex(from)) return;
    using Entry = std::pair<int, int32_t>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
    cost_[from] = 0;
    open.push({0, from});
    const auto passable = [&](Looks looks) {
        return Walkable(looks) || (throughCracked && looks == Looks::Cracked);
    };
    while (!open.empty()) {
        const auto [cost, u] = open.top();
        open.pop();
        if (cost != cost_[u]) continue;
        // Ways out and untried portals end a way; a tried portal goes on
        // from where it leads.
        const Looks here = memory.What(u);
        if (u != from && !passable(here) && here != Looks::Portal) continue;
        std::vector<int32_t> next;
        if (u != from && here == Looks::Portal) {
            const int32_t target = memory.PortalTarget(u);
            if (target < 0) continue;
            next.push_back(target);
        } else {
            for (Heading h : {Heading::Up, Heading::Down, Heading::Left, Heading::Right})
                if (Beside(u, h) >= 0) next.push_back(Beside(u, h));
        }
        for (int32_t v : next) {
            const Looks looks = memory.What(v);
            const bool jump = here == Looks::Portal && u != from;
            if (!jump && memory.Blocked(u, v)) continue;
            if (std::find(avoid.begin(), avoid.end(), v) != avoid.end()) continue;
            int step = kStep;
            if (looks == Looks::Hazard) {
                step = kHazardStep;
            } else if (looks == Looks::Cracked) {
                if (!throughCracked) continue;
                step = kCrackedStep;
            } else if (!Walkable(looks) && looks != Looks::Portal && looks != Looks::StairsDown &&
                       looks != Looks::StairsUp && looks != Looks::Tunnel) {
                continue;
            }
            if (cost_[v] >= 0 && cost_[v] <= cost + step) continue;
            cost_[v] = cost + step;
            previous_[v] = u;
            open.push({cost_[v], v});
        }
    }
}

std::vector<int32_t> TilePaths::PathTo(int32_t t) const {
    std::vector<int32_t> path;
    if (!Reaches(t)) return path;
    for (int32_t at = t; at != from_ && at >= 0; at = previous_[at])
        path.push_back(at);
    std::reverse(path.begin(), path.end());
    return path;
}

}  // namespace levels_tool
