#include "game/world/corner_slide.h"

#include <cmath>

#include "game/core/game_state.h"
#include "game/world/walls.h"

namespace game {
namespace {

constexpr float kBody = 15.0f;
constexpr float kTile = 20.0f;

bool Vertical(Heading heading) {
    return heading == Heading::Up || heading == Heading::Down;
}

// The push-back's test for the face a step in the heading runs into, on
// the hero's position as it stands.
bool Blocks(const Tile& w, float hx, float hy, Heading heading, float sx, float sy) {
    switch (heading) {
        case Heading::Up:
            return w.Y + 20 > hy - sy && w.Y + 20 < hy + 15 + sy && hx > w.X - 15 && hx < w.X + 20;
        case Heading::Down:
            return w.Y > hy + sy && w.Y < hy + 15 + sy && hx > w.X - 15 && hx < w.X + 20;
        case Heading::Left:
            return w.X + 20 > hx - sx && w.X + 20 < hx + 15 + sx && hy > w.Y - 15 && hy < w.Y + 20;
        case Heading::Right:
            return w.X > hx + sx && w.X < hx + 15 + sx && hy > w.Y - 15 && hy < w.Y + 20;
    }
    return false;
}

// True when the hero's box at (hx, hy) overlaps a wall tile, the tile under
// his corner included.
bool InsideWall(float hx, float hy) {
    const int column = static_cast<int>(std::floor(hx / kTile));
    const int row = static_cast<int>(std::floor(hy / kTile));
    for (int r = row - 1; r <= row + 1; ++r) {
        for (int c = column - 1; c <= column + 1; ++c) {
            if (r < 0 || r >= kGridSize || c < 0 || c >= kGridSize) continue;
            const Tile& w = Tiles[r * kGridSize + c];
            if (!IsWallKind(w.Kind)) continue;
            const float wx = w.X, wy = w.Y;
            if (wx - kBody < hx && hx < wx + kTile && wy - kBody < hy && hy < wy + kTile)
                return true;
        }
    }
    return false;
}

}  // namespace

bool StepBlocked(float hx, float hy, Heading heading, float stepX, float stepY) {
    for (int16_t n : NeighbourTiles(TileIndexOf(hx, hy)))
        if (n >= 0 && Blocks(Tiles[n], hx, hy, heading, stepX, stepY)) return true;
    return false;
}

bool CornerSlide(float& hx, float& hy, Heading heading, float stepX, float stepY) {
    const bool vertical = Vertical(heading);
    float& side = vertical ? hx : hy;
    // Each blocking wall is cleared on either of its two sides; the nearest
    // free place within reach wins, the first found on a tie.
    bool found = false;
    float target = 0.0f;
    float distance = 0.0f;
    for (int16_t n : NeighbourTiles(TileIndexOf(hx, hy))) {
        if (n < 0 || !Blocks(Tiles[n], hx, hy, heading, stepX, stepY)) continue;
        const float edge = static_cast<float>(vertical ? Tiles[n].X : Tiles[n].Y);
        for (const float place : {edge - kBody, edge + kTile}) {
            const float d = std::fabs(place - side);
            if (d == 0.0f || d > kCornerReach || (found && d >= distance)) continue;
            const float px = vertical ? place : hx;
            const float py = vertical ? hy : place;
            if (StepBlocked(px, py, heading, stepX, stepY) || InsideWall(px, py)) continue;
            found = true;
            target = place;
            distance = d;
        }
    }
    if (!found) return false;
    const float step = vertical ? stepX : stepY;
    if (distance <= step)
        side = target;
    else
        side = target > side ? side + step : side - step;
    return true;
}

}  // namespace game
