#include "game/world/walls.h"

#include <cmath>

#include "game/core/monster_motion.h"
#include "game/platform/random.h"

namespace game {

namespace {

// Offsets of the eight neighbours in NeighbourTiles order.
constexpr std::array<int32_t, 8> kNeighbourOffsets = {-26, -25, -24, -1, 1, 24, 25, 26};

NeighbourList NeighboursOf(float x, float y) {
    return NeighbourTiles(TileIndexOf(x, y));
}

}  // namespace

NeighbourList NeighbourTiles(int32_t t) {
    NeighbourList out;
    for (size_t k = 0; k < out.size(); ++k) {
        int32_t n = t + kNeighbourOffsets[k];
        out[k] = IsTileIndex(n) && IsWallKind(Tiles[n].Kind) ? static_cast<int16_t>(n) : -1;
    }
    return out;
}

// The four faces.  The sums are formed left to right as the rules write
// them (bx + size + v), in 32-bit floats.
bool HitsLeftFace(const Tile& w, float bx, float by, float v, float size) {
    return w.X > bx + v && w.X < bx + size + v && w.Y - size < by && w.Y + 20 > by;
}

bool HitsRightFace(const Tile& w, float bx, float by, float v, float size) {
    return w.X + 20 > bx + v && w.X + 20 < bx + size + v && w.Y - size < by && w.Y + 20 > by;
}

bool HitsBottomFace(const Tile& w, float bx, float by, float v, float size) {
    return w.Y + 20 > by + v && w.Y + 20 < by + size + v && w.X - size < bx && w.X + 20 > bx;
}

bool HitsTopFace(const Tile& w, float bx, float by, float v, float size) {
    return w.Y > by + v && w.Y < by + size + v && w.X - size < bx && w.X + 20 > bx;
}

void WallPushBack() {
    float hx = HeroX, hy = HeroY;
    const float sx = HeroStepX, sy = HeroStepY;
    for (int16_t n : NeighboursOf(HeroX, HeroY)) {
        if (n < 0) continue;
        const Tile& w = Tiles[n];
        // Four independent tests, each on the copies as they stand.
        if (w.X > hx + sx && w.X < hx + 15 + sx && hy > w.Y - 15 && hy < w.Y + 20) hx = hx - sx;
        if (w.X + 20 > hx - sx && w.X + 20 < hx + 15 + sx && hy > w.Y - 15 && hy < w.Y + 20)
            hx = hx + sx;
        if (w.Y + 20 > hy - sy && w.Y + 20 < hy + 15 + sy && hx > w.X - 15 && hx < w.X + 20)
            hy = hy + sy;
        if (w.Y > hy + sy && w.Y < hy + 15 + sy && hx > w.X - 15 && hx < w.X + 20) hy = hy - sy;
    }
    HeroX = hx;
    HeroY = hy;
}

int16_t SightRadius(int16_t kind) {
    switch (kind) {
        case 0:
            return 30;
        case 1:
            return 50;
        case 2:
            return 70;
        case 3:
            return 90;
        default:
            return 0;
    }
}

void UpdateAwareness(int16_t& i) {
    if (Monsters[i].Chasing) PickRandomDirection(i);
    Monster& m = Monsters[i];
    m.Chasing = false;
    const float ex = HeroX - m.X;
    const float ey = HeroY - m.Y;
    const float d = std::sqrt(ex * ex + ey * ey);
    if (m.Kind >= 0 && m.Kind <= 3 && d < SightRadius(m.Kind)) m.Chasing = true;
}

void ChaseStep(int16_t& i) {
    Monster& m = Monsters[i];
    const NeighbourList walls = NeighboursOf(m.X, m.Y);
    const float s = MonsterStepLength(m.Kind);
    float ex = m.X - HeroX;
    float ey = m.Y - HeroY;
    const float dist = std::fabs(ex) + std::fabs(ey);
    // Level with the hero on one axis: a tiny pull keeps that axis alive.
    if (ex == 0.0f) ex = 0.001f;
    if (ey == 0.0f) ey = 0.001f;
    if (dist == 0.0f) {
        // Exactly on the hero: nowhere to head for this frame.
        m.DX = 0.0f;
        m.DY = 0.0f;
    } else {
        m.DX = -(s / dist) * ex;
        m.DY = -(s / dist) * ey;
    }
    for (int16_t n : walls) {
        if (n < 0) continue;
        const Tile& w = Tiles[n];
        if (HitsLeftFace(w, m.X, m.Y, m.DX, 15.0f)) {
            m.X = m.X - m.DX;
            m.DX = 0.0f;
        }
        if (HitsRightFace(w, m.X, m.Y, m.DX, 15.0f)) {
            m.X = m.X - m.DX;
            m.DX = 0.0f;
        }
        if (HitsBottomFace(w, m.X, m.Y, m.DY, 15.0f)) {
            m.Y = m.Y - m.DY;
            m.DY = 0.0f;
        }
        if (HitsTopFace(w, m.X, m.Y, m.DY, 15.0f)) {
            m.Y = m.Y - m.DY;
            m.DY = 0.0f;
        }
    }
}

bool BounceStep(int16_t& i) {
    Monster& m = Monsters[i];
    bool bounced = false;
    if (m.X > 485 || m.X < 0) {
        m.DX = -m.DX;
        m.X = m.X + m.DX;
        bounced = true;
    }
    if (m.Y > 485 || m.Y < 0) {
        m.DY = -m.DY;
        m.Y = m.Y + m.DY;
        bounced = true;
    }
    for (int16_t n : NeighboursOf(m.X, m.Y)) {
        if (n < 0) continue;
        const Tile& w = Tiles[n];
        if (HitsLeftFace(w, m.X, m.Y, m.DX, 15.0f) || HitsRightFace(w, m.X, m.Y, m.DX, 15.0f)) {
            m.DX = -m.DX;
            m.X = m.X + m.DX;
            return true;
        }
        if (HitsBottomFace(w, m.X, m.Y, m.DY, 15.0f) || HitsTopFace(w, m.X, m.Y, m.DY, 15.0f)) {
            m.DY = -m.DY;
            m.Y = m.Y + m.DY;
            return true;
        }
    }
    return bounced;
}

bool NearWall(int16_t& i) {
    for (int16_t n : NeighboursOf(Monsters[i].X, Monsters[i].Y))
        if (n >= 0) return true;
    return false;
}

void MoveMonster(int16_t& i) {
    UpdateAwareness(i);
    Monster& m = Monsters[i];
    if (m.Chasing) {
        ChaseStep(i);
        m.X = m.X + m.DX;
        m.Y = m.Y + m.DY;
        return;
    }
    if (!BounceStep(i)) m.X = m.X + m.DX;
    if (!BounceStep(i)) m.Y = m.Y + m.DY;
    // A wanderer turns at random now and then, but never next to a wall.
    const float r = platform::Rnd();
    if (static_cast<double>(r) > 0.99 && !NearWall(i)) PickRandomDirection(i);
}

}  // namespace game
