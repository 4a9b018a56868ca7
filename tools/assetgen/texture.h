#pragma once

#include <QImage>
#include <functional>
#include <vector>

#include "rng.h"

namespace assetgen {

// A picture divided into pieces (bricks, slabs, cobbles, rock faces); -1
// marks the joints between them.  Lookups wrap round, so textures made from
// a cell map tile seamlessly.
struct CellMap {
    int width = 0;
    int height = 0;
    std::vector<int> ids;

    int At(int x, int y) const;
    void Set(int x, int y, int id) { ids[y * width + x] = id; }
};

constexpr int kJoint = -1;

// Bricks in running bond; every other course is shifted by half a brick.
CellMap BrickCells(int width, int height, int brickWidth, int brickHeight);
// Irregular pieces round scattered seeds, like cobbles or broken rock.
CellMap StoneCells(int width, int height, int count, double jointWidth, Rng& rng);
// Flagstones laid in courses of the given heights and slab widths.
struct SlabCourse {
    int height;
    std::vector<int> widths;
};
CellMap SlabCells(int width, int height, const std::vector<SlabCourse>& courses);

struct CellStyle {
    QRgb joint = 0;
    double bevel = 1.0;   // how strongly edges catch the light
    double grain = 0.06;  // per-pixel roughness
    bool wrapShading = true;
};

// Paints each piece in its own colour with lit top-left and shaded
// bottom-right edges.
void PaintCells(QImage& image, const CellMap& cells, const std::function<QRgb(int)>& colourOf,
                const CellStyle& style, Rng& rng);

// Small finishing touches.
void AddSpeckles(QImage& image, QRgb colour, double density, Rng& rng);
// A dark crack wandering from (x, y), with a lit lip below it on raised
// stone (lip 0: a crack in a flat floor).
void AddCrack(QImage& image, int x, int y, int length, Rng& rng, double darkness = 0.45,
              double lip = 0.5);
// Lightens the top and left rows and darkens the bottom and right ones.
void BevelRect(QImage& image, int x, int y, int w, int h, double amount = 1.0);
void FillRect(QImage& image, int x, int y, int w, int h, QRgb colour);
void Blend(QImage& image, int x, int y, QRgb colour, double t);
// Soft round glow added to the picture (light pools, magic).
void AddGlow(QImage& image, double cx, double cy, double radius, QRgb colour, double strength);
// Smooth noise in [0, 1] that wraps round the edges; grid sets its coarseness.
std::vector<double> ValueNoise(int width, int height, int grid, Rng& rng);
// A ball or round top lit from the top left (boulders, pillars, barrels).
void ShadedDisc(QImage& image, double cx, double cy, double radius, QRgb colour);
// Darkens what lies under a shape moved one step down and right.
void CastShadow(QImage& image, const QImage& shape, int x, int y, double darkness = 0.55);

}  // namespace assetgen
