#include "tools/levels/bots/field_memory.h"

#include <cmath>

namespace levels_tool {
namespace {

// Pictures (assets/README.md) a player reads at a glance.
bool LooksCracked(int16_t picture) {
    return picture >= 21 && picture <= 24;
}
bool LooksSharp(int16_t picture) {
    return picture == 45 || picture == 46;
}
constexpr int16_t kStairsDownPicture = 38, kStairsUpPicture = 39;
// The golden portal that ends the game: the way on, as plain as stairs.
constexpr int16_t kGoldenPortalPicture = 60;

// A monster moves at most a pixel a frame: one this near to where one stood
// a frame ago is the same.
constexpr float kSameMonster = 3.0f;

bool Shown(int32_t t) {
    return game::IsTileIndex(t) && game::Tiles[t].Revealed == game::kTrue;
}

}  // namespace

int32_t TileUnder(float x, float y) {
    return game::TileIndexOf(x + 7.0f, y + 7.0f);
}

FieldMemory::FieldMemory() {
    looks_.fill(Looks::Unknown);
}

Looks FieldMemory::Classify(const game::Tile& tile) const {
    if (tile.Picture == kGoldenPortalPicture && tile.Kind == game::kFloor) return Looks::StairsDown;
    switch (tile.Kind) {
        case game::kSolidWall:
            return Looks::Wall;
        case game::kDestructibleWall:
            return LooksCracked(tile.Picture) ? Looks::Cracked : Looks::Wall;
        case game::kSign:
        case game::kMessageScreen:
            return Looks::Sign;
        case game::kTeleport:
            return Looks::Portal;
        case game::kLevelExit:
            if (tile.Picture == kStairsDownPicture) return Looks::StairsDown;
            if (tile.Picture == kStairsUpPicture) return Looks::StairsUp;
            return Looks::Tunnel;
        case game::kMechanism:
            return Looks::Lever;
        case game::kTrapFloor:
            return LooksSharp(tile.Picture) || hurtingPictures_.count(tile.Picture) ? Looks::Hazard
                                                                                    : Looks::Floor;
        default:
            return Looks::Floor;
    }
}

void FieldMemory::Look(int frame) {
    frame_ = frame;
    for (int32_t t = 0; t < game::kTileCount; ++t)
        if (Shown(t)) looks_[t] = Classify(game::Tiles[t]);
    const int32_t here = TileUnder(game::HeroX, game::HeroY);
    if (game::IsTileIndex(here)) visited_[here] = true;

    items_.clear();
    for (int16_t i = 0; i < game::ItemCount; ++i) {
        const game::Item& item = game::Items[i];
        if (Shown(game::TileIndex(item.X + 7, item.Y + 7)))
            items_.push_back({item.X, item.Y, item.Picture});
    }
    TrackMonsters();
}

void FieldMemory::TrackMonsters() {
    std::vector<SeenMonster> now;
    for (int16_t i = 0; i < game::MonsterCount; ++i) {
        const game::Monster& m = game::Monsters[i];
        if (!Shown(TileUnder(m.X, m.Y))) continue;
        int id = -1;
        float best = kSameMonster;
        for (const SeenMonster& before : monsters_) {
            const float d = std::hypot(before.x - m.X, before.y - m.Y);
            bool taken = false;
            for (const SeenMonster& claimed : now)
                taken = taken || claimed.id == before.id;
            if (d < best && !taken) {
                best = d;
                id = before.id;
            }
        }
        now.push_back({id >= 0 ? id : nextId_++, m.X, m.Y});
    }
    monsters_ = std::move(now);
}

int32_t FieldMemory::PortalTarget(int32_t portal) const {
    auto found = portals_.find(portal);
    return found == portals_.end() ? -1 : found->second;
}

void FieldMemory::HurtOn(int32_t t) {
    if (!game::IsTileIndex(t) || game::Tiles[t].Kind != game::kTrapFloor) return;
    hurtingPictures_.insert(game::Tiles[t].Picture);
    looks_[t] = Looks::Hazard;
}

void FieldMemory::PortalTook(int32_t portal, int32_t target) {
    portals_[portal] = target;
}

bool FieldMemory::Blocked(int32_t from, int32_t to) const {
    auto found = blocked_.find({from, to});
    return found != blocked_.end() && found->second > frame_;
}

}  // namespace levels_tool
