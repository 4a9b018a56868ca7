#include "tools/levels/bots/hero_search.h"

#include <cmath>

#include "game/platform/numbers.h"
#include "game/platform/rounding.h"
#include "game/play/frame_loop.h"

namespace levels_tool {
namespace {

// Hero positions are kept within this margin round the field; a level
// without its wall border lets him walk off, and the search stops there.
constexpr float kMargin = 40.0f;
constexpr float kSpan = game::kFieldSize + 2 * kMargin;

// How far round a changed tile the hero's moves can be different: the wall
// tests look at the tiles next to the one under his corner.
constexpr float kChangeReach = 45.0f;

// A tile named by a parameter, read as the tile events read it.
int32_t NamedTile(const std::string& param) {
    const int32_t k = platform::CLng(platform::LeadingNumber(param));
    return game::IsTileIndex(k) ? k : -1;
}

// The kind a mechanism gives its target: what follows the last blank of
// "picture kind".
int16_t MechanismKind(const std::string& param) {
    std::string collected;
    for (char c : param) {
        if (c == ' ')
            collected.clear();
        else
            collected.push_back(c);
    }
    return platform::CInt(platform::LeadingNumber(collected));
}

void ReadTile(WalkLevel& level, int32_t t, int16_t kind, const std::string& param1,
              const std::string& param2) {
    level.kinds[t] = kind;
    level.target[t] = NamedTile(param1);
    level.arrival[t] = NamedTile(param2);
    level.toLevel[t] = platform::CLng(platform::LeadingNumber(param1));
    level.newKind[t] = MechanismKind(param2);
}

bool ActsHere(int32_t t) {
    // Tile events need the centre strictly inside tiles 1 to 623.
    return t > 0 && t < game::kTileCount - 1;
}

}  // namespace

WalkLevel WalkLevelOf(const game::LevelRecord& record, int32_t number) {
    WalkLevel level;
    level.number = number;
    for (int32_t t = 0; t < game::kTileCount; ++t) {
        const game::TileRecord& tile = record.tiles[t];
        ReadTile(level, t, tile.Kind, tile.Param1, tile.Param2);
    }
    for (const game::ItemRecord& item : record.items)
        level.items.push_back({item.X, item.Y, item.Kind});
    level.hasMonsters = !record.monsters.empty();
    return level;
}

WalkLevel CurrentWalkLevel() {
    WalkLevel level;
    level.number = game::LevelNumber;
    for (int32_t t = 0; t < game::kTileCount; ++t) {
        const game::Tile& tile = game::Tiles[t];
        ReadTile(level, t, tile.Kind, tile.Param1, tile.Param2);
    }
    for (int16_t i = 0; i < game::ItemCount; ++i)
        level.items.push_back({game::Items[i].X, game::Items[i].Y, game::Items[i].Kind});
    level.hasMonsters = game::MonsterCount > 0;
    return level;
}

int32_t CentreTile(float heroX, float heroY) {
    return game::TileIndexOf(heroX + 7.0f, heroY + 7.0f);
}

float ArrivalX(int32_t t) {
    return static_cast<float>((t % game::kGridSize) * game::kTileSize + 2);
}

float ArrivalY(int32_t t) {
    return static_cast<float>((t / game::kGridSize) * game::kTileSize + 2);
}

bool TouchesItem(const WalkLevel::Thing& thing, float x, float y) {
    const float ix = thing.x, iy = thing.y;
    return ix - 15.0f < x && x < ix + 18.0f && iy - 15.0f < y && y < iy + 18.0f;
}

// --- the search ------------------------------------------------------------

HeroSearch::HeroSearch(const WalkLevel& level, const SearchSettings& settings)
    : level_(level), settings_(settings), kinds_(level.kinds) {
    framesPerMove_ =
        static_cast<int16_t>(std::max(1.0f, std::ceil(settings_.cell / settings_.step - 1e-4f)));
    cellsPerSide_ = static_cast<int32_t>(std::ceil(kSpan / settings_.cell));
    cellNode_.assign(static_cast<size_t>(cellsPerSide_) * cellsPerSide_, -1);
    touchedItems_.assign(level_.items.size(), false);
}

int32_t HeroSearch::CellOf(float x, float y) const {
    const float cx = (x + kMargin) / settings_.cell;
    const float cy = (y + kMargin) / settings_.cell;
    if (!(cx >= 0 && cy >= 0 && cx < cellsPerSide_ && cy < cellsPerSide_)) return -1;
    return static_cast<int32_t>(cy) * cellsPerSide_ + static_cast<int32_t>(cx);
}

void HeroSearch::AddStart(float x, float y) {
    starts_.push_back({x, y, 0, -1});
}

bool HeroSearch::Stops(int32_t t) const {
    if (!ActsHere(t)) return false;
    if (level_.number == settings_.endLevel && t == settings_.endTile) return true;
    return kinds_[t] == game::kLevelExit && level_.arrival[t] >= 0;
}

int32_t HeroSearch::TeleportTarget(int32_t t) const {
    if (!ActsHere(t) || kinds_[t] != game::kTeleport) return -1;
    return level_.target[t];
}

void HeroSearch::Reach(float x, float y, int32_t parent, Stride stride) {
    const int32_t cell = CellOf(x, y);
    if (cell < 0 || cellNode_[cell] >= 0) return;
    const int32_t id = static_cast<int32_t>(nodes_.size());
    const int32_t centre = CentreTile(x, y);
    nodes_.push_back({x, y, parent, stride, centre});
    cellNode_[cell] = id;
    queue_.push_back(id);

    if (game::IsTileIndex(centre)) reachedTiles_[centre] = true;
    for (size_t i = 0; i < level_.items.size(); ++i)
        if (!touchedItems_[i] && TouchesItem(level_.items[i], x, y)) touchedItems_[i] = true;
    if (settings_.mechanismsOpen && ActsHere(centre) && kinds_[centre] == game::kMechanism &&
        level_.target[centre] >= 0)
        Open(centre);
}

// What a mechanism does to its target; everything the hero had reached near
// the target is looked at again.
void HeroSearch::Open(int32_t mechanism) {
    kinds_[mechanism] = game::kFloor;
    const int32_t target = level_.target[mechanism];
    const int16_t kind = level_.newKind[mechanism];
    if (kind == game::kSolidWall) return;  // a passage that closes opens nothing
    applied_.push_back(mechanism);
    kinds_[target] = kind;
    game::Tiles[target].Kind =
        kind == game::kDestructibleWall && settings_.breakablesPassable ? game::kFloor : kind;
    const float tx = game::Tiles[target].X, ty = game::Tiles[target].Y;
    for (int32_t n = 0; n < static_cast<int32_t>(nodes_.size()); ++n)
        if (std::fabs(nodes_[n].x - tx) < kChangeReach &&
            std::fabs(nodes_[n].y - ty) < kChangeReach)
            queue_.push_back(n);
}

bool HeroSearch::ActsNear(int32_t t) const {
    if (!game::IsTileIndex(t)) return true;
    const int32_t row = t / game::kGridSize, column = t % game::kGridSize;
    for (int32_t r = row - 1; r <= row + 1; ++r) {
        for (int32_t c = column - 1; c <= column + 1; ++c) {
            if (r < 0 || c < 0 || r >= game::kGridSize || c >= game::kGridSize) return true;
            const int32_t near = r * game::kGridSize + c;
            if (Stops(near) || TeleportTarget(near) >= 0) return true;
        }
    }
    return false;
}

HeroSearch::Move HeroSearch::Simulate(float x, float y, Heading heading) const {
    game::HeroX = x;
    game::HeroY = y;
    game::HeroStepX = game::HeroStepY = settings_.step;
    game::KeyUpHeld = heading == Heading::Up;
    game::KeyDownHeld = heading == Heading::Down;
    game::KeyLeftHeld = heading == Heading::Left;
    game::KeyRightHeld = heading == Heading::Right;
    int32_t last = CentreTile(x, y);
    // A move takes the centre one tile on at most: the tiles it can come
    // onto are looked at only when one of them acts.
    const bool watch = ActsNear(last);
    for (int16_t f = 1; f <= framesPerMove_; ++f) {
        game::MoveHero();
        if (!watch) continue;
        const int32_t t = CentreTile(game::HeroX, game::HeroY);
        if (t == last) continue;
        last = t;
        // The tile the centre has just come onto acts in the same frame.
        if (Stops(t)) return {game::HeroX, game::HeroY, f, -1};
        const int32_t k = TeleportTarget(t);
        if (k >= 0) return {ArrivalX(k), ArrivalY(k), f, t};
    }
    return {game::HeroX, game::HeroY, framesPerMove_, -1};
}

void HeroSearch::Expand(int32_t n) {
    const Node node = nodes_[n];
    if (Stops(node.centre)) return;  // he has left the level, or the game is over
    // Standing on a teleport (put there by an exit or another teleport): it
    // acts in the next frame.
    const int32_t k = TeleportTarget(node.centre);
    if (k >= 0) {
        Reach(ArrivalX(k), ArrivalY(k), n, {Heading::Stand, 1});
        return;
    }
    for (Heading h : {Heading::Up, Heading::Down, Heading::Left, Heading::Right}) {
        const Move m = Simulate(node.x, node.y, h);
        if (m.teleport >= 0) reachedTiles_[m.teleport] = true;
        Reach(m.x, m.y, n, {h, m.frames});
    }
}

void HeroSearch::Run() {
    MovementSandbox sandbox;
    for (int32_t t = 0; t < game::kTileCount; ++t) {
        int16_t kind = kinds_[t];
        if (kind == game::kDestructibleWall && settings_.breakablesPassable) kind = game::kFloor;
        game::Tiles[t].Kind = kind;
    }
    if (settings_.gateOpensOnKill && level_.number == game::kLastLevel && level_.hasMonsters &&
        game::Tiles[game::kHallGateTile].Kind == game::kSolidWall)
        game::Tiles[game::kHallGateTile].Kind = game::kFloor;
    for (const Move& start : starts_)
        Reach(start.x, start.y, -1, {Heading::Stand, 0});
    starts_.clear();
    while (queueHead_ < queue_.size())
        Expand(queue_[queueHead_++]);
}

int32_t HeroSearch::FirstNodeOn(int32_t t) const {
    return FirstNode([t](const Node& node) { return node.centre == t; });
}

int32_t HeroSearch::FirstNode(const std::function<bool(const Node&)>& test) const {
    for (size_t n = 0; n < nodes_.size(); ++n)
        if (test(nodes_[n])) return static_cast<int32_t>(n);
    return -1;
}

std::vector<int32_t> HeroSearch::PathTo(int32_t n) const {
    std::vector<int32_t> path;
    for (; n >= 0; n = nodes_[n].parent)
        path.push_back(n);
    return {path.rbegin(), path.rend()};
}

std::vector<Stride> HeroSearch::RouteTo(int32_t n) const {
    std::vector<Stride> route;
    for (int32_t node : PathTo(n))
        if (nodes_[node].parent >= 0) route.push_back(nodes_[node].stride);
    return route;
}

// --- the sandbox -----------------------------------------------------------

MovementSandbox::MovementSandbox()
    : heroX_(game::HeroX),
      heroY_(game::HeroY),
      stepX_(game::HeroStepX),
      stepY_(game::HeroStepY),
      facing_(game::HeroFacing),
      up_(game::KeyUpHeld),
      down_(game::KeyDownHeld),
      left_(game::KeyLeftHeld),
      right_(game::KeyRightHeld) {
    for (int32_t t = 0; t < game::kTileCount; ++t) {
        kinds_[t] = game::Tiles[t].Kind;
        xs_[t] = game::Tiles[t].X;
        ys_[t] = game::Tiles[t].Y;
    }
    game::InitTileCoordinates();
}

MovementSandbox::~MovementSandbox() {
    for (int32_t t = 0; t < game::kTileCount; ++t) {
        game::Tiles[t].Kind = kinds_[t];
        game::Tiles[t].X = xs_[t];
        game::Tiles[t].Y = ys_[t];
    }
    game::HeroX = heroX_;
    game::HeroY = heroY_;
    game::HeroStepX = stepX_;
    game::HeroStepY = stepY_;
    game::HeroFacing = facing_;
    game::KeyUpHeld = up_;
    game::KeyDownHeld = down_;
    game::KeyLeftHeld = left_;
    game::KeyRightHeld = right_;
}

}  // namespace levels_tool
