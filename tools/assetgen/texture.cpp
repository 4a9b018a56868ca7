#include "texture.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "colour.h"

namespace assetgen {

int CellMap::At(int x, int y) const {
    x = ((x % width) + width) % width;
    y = ((y % height) + height) % height;
    return ids[y * width + x];
}

CellMap BrickCells(int width, int height, int brickWidth, int brickHeight) {
    CellMap cells{width, height, std::vector<int>(width * height, kJoint)};
    const int perRow = (width + brickWidth - 1) / brickWidth + 1;
    for (int y = 0; y < height; ++y) {
        const int course = y / brickHeight;
        if (y % brickHeight == brickHeight - 1) continue;  // bed joint
        const int shift = (course % 2) * (brickWidth / 2);
        for (int x = 0; x < width; ++x) {
            const int along = x + shift;
            if (along % brickWidth == brickWidth - 1) continue;  // head joint
            cells.Set(x, y, course * perRow + (along / brickWidth) % perRow);
        }
    }
    return cells;
}

CellMap StoneCells(int width, int height, int count, double jointWidth, Rng& rng) {
    struct Seed {
        double x, y;
    };
    std::vector<Seed> seeds;
    // Seeds on a jittered grid keep the pieces of similar size.
    const int side = std::max(1, static_cast<int>(std::lround(std::sqrt(count))));
    for (int gy = 0; gy < side; ++gy) {
        for (int gx = 0; gx < side; ++gx) {
            seeds.push_back({(gx + 0.15 + 0.7 * rng.Unit()) * width / side,
                             (gy + 0.15 + 0.7 * rng.Unit()) * height / side});
        }
    }
    CellMap cells{width, height, std::vector<int>(width * height, kJoint)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double best = std::numeric_limits<double>::max();
            double second = best;
            int bestId = 0;
            for (int i = 0; i < static_cast<int>(seeds.size()); ++i) {
                double dx = std::fabs(x + 0.5 - seeds[i].x);
                double dy = std::fabs(y + 0.5 - seeds[i].y);
                dx = std::min(dx, width - dx);  // wrap round the edges
                dy = std::min(dy, height - dy);
                const double d = std::sqrt(dx * dx + dy * dy);
                if (d < best) {
                    second = best;
                    best = d;
                    bestId = i;
                } else if (d < second) {
                    second = d;
                }
            }
            if (second - best >= jointWidth) cells.Set(x, y, bestId);
        }
    }
    return cells;
}

CellMap SlabCells(int width, int height, const std::vector<SlabCourse>& courses) {
    CellMap cells{width, height, std::vector<int>(width * height, kJoint)};
    int id = 0;
    int top = 0;
    for (const SlabCourse& course : courses) {
        int left = 0;
        for (int w : course.widths) {
            // The joint runs along each slab's right and bottom edge.
            for (int y = top; y < std::min(height, top + course.height) - 1; ++y) {
                for (int x = left; x < std::min(width, left + w) - 1; ++x)
                    cells.Set(x, y, id);
            }
            left += w;
            ++id;
        }
        top += course.height;
    }
    return cells;
}

void PaintCells(QImage& image, const CellMap& cells, const std::function<QRgb(int)>& colourOf,
                const CellStyle& style, Rng& rng) {
    auto idAt = [&](int x, int y) {
        if (!style.wrapShading && (x < 0 || y < 0 || x >= cells.width || y >= cells.height)) {
            return cells.At(std::clamp(x, 0, cells.width - 1), std::clamp(y, 0, cells.height - 1));
        }
        return cells.At(x, y);
    };
    for (int y = 0; y < cells.height; ++y) {
        for (int x = 0; x < cells.width; ++x) {
            const int id = cells.At(x, y);
            if (id == kJoint) {
                image.setPixel(x, y, Vary(style.joint, style.grain, rng));
                continue;
            }
            QRgb c = Vary(colourOf(id), style.grain, rng);
            const bool lit = idAt(x, y - 1) != id || idAt(x - 1, y) != id;
            const bool dark = idAt(x, y + 1) != id || idAt(x + 1, y) != id;
            if (lit && !dark) c = Lit(c, style.bevel);
            if (dark && !lit) c = Shaded(c, style.bevel);
            image.setPixel(x, y, c);
        }
    }
}

void AddSpeckles(QImage& image, QRgb colour, double density, Rng& rng) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (rng.Chance(density)) image.setPixel(x, y, Vary(colour, 0.12, rng));
        }
    }
}

void AddCrack(QImage& image, int x, int y, int length, Rng& rng, double darkness, double lip) {
    int dx = rng.Chance(0.5) ? 1 : -1;
    for (int i = 0; i < length; ++i) {
        if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) break;
        image.setPixel(x, y, Scale(image.pixel(x, y), darkness));
        if (y + 1 < image.height() && lip > 0)
            image.setPixel(x, y + 1, Lit(image.pixel(x, y + 1), lip));
        if (rng.Chance(0.55)) {
            x += dx;
        } else {
            ++y;
        }
        if (rng.Chance(0.2)) dx = -dx;
    }
}

void BevelRect(QImage& image, int x, int y, int w, int h, double amount) {
    for (int i = 0; i < w; ++i) {
        image.setPixel(x + i, y, Lit(image.pixel(x + i, y), amount));
        image.setPixel(x + i, y + h - 1, Shaded(image.pixel(x + i, y + h - 1), amount));
    }
    for (int j = 1; j < h - 1; ++j) {
        image.setPixel(x, y + j, Lit(image.pixel(x, y + j), amount));
        image.setPixel(x + w - 1, y + j, Shaded(image.pixel(x + w - 1, y + j), amount));
    }
}

void FillRect(QImage& image, int x, int y, int w, int h, QRgb colour) {
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            if (i >= 0 && j >= 0 && i < image.width() && j < image.height()) {
                image.setPixel(i, j, colour | 0xFF000000u);
            }
        }
    }
}

void Blend(QImage& image, int x, int y, QRgb colour, double t) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return;
    image.setPixel(x, y, Mix(image.pixel(x, y), colour, std::clamp(t, 0.0, 1.0)));
}

void AddGlow(QImage& image, double cx, double cy, double radius, QRgb colour, double strength) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / radius;
            if (d >= 1.0) continue;
            const double t = strength * (1.0 - d) * (1.0 - d);
            const QRgb p = image.pixel(x, y);
            // Light adds up: brighten towards the glow colour.
            image.setPixel(x, y,
                           qRgb(std::min(255, qRed(p) + static_cast<int>(qRed(colour) * t)),
                                std::min(255, qGreen(p) + static_cast<int>(qGreen(colour) * t)),
                                std::min(255, qBlue(p) + static_cast<int>(qBlue(colour) * t))));
        }
    }
}

std::vector<double> ValueNoise(int width, int height, int grid, Rng& rng) {
    std::vector<double> knots(grid * grid);
    for (double& k : knots)
        k = rng.Unit();
    auto knot = [&](int gx, int gy) {
        return knots[((gy + grid) % grid) * grid + (gx + grid) % grid];
    };
    std::vector<double> noise(width * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double fx = (x + 0.5) * grid / width;
            const double fy = (y + 0.5) * grid / height;
            const int gx = static_cast<int>(std::floor(fx));
            const int gy = static_cast<int>(std::floor(fy));
            double tx = fx - gx;
            double ty = fy - gy;
            tx = tx * tx * (3 - 2 * tx);  // smoothstep between knots
            ty = ty * ty * (3 - 2 * ty);
            const double top = knot(gx, gy) + (knot(gx + 1, gy) - knot(gx, gy)) * tx;
            const double bottom = knot(gx, gy + 1) + (knot(gx + 1, gy + 1) - knot(gx, gy + 1)) * tx;
            noise[y * width + x] = top + (bottom - top) * ty;
        }
    }
    return noise;
}

void ShadedDisc(QImage& image, double cx, double cy, double radius, QRgb colour) {
    // Light from the top left and a little from the front.
    const double lx = -0.55, ly = -0.6, lz = 0.58;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double nx = (x + 0.5 - cx) / radius;
            const double ny = (y + 0.5 - cy) / radius;
            const double rr = nx * nx + ny * ny;
            if (rr > 1.0) continue;
            const double nz = std::sqrt(1.0 - rr);
            const double light = std::max(0.0, nx * lx + ny * ly + nz * lz);
            QRgb c = Scale(colour, 0.45 + 0.75 * light);
            if (light > 0.93) c = Lit(c, 0.6);
            if (rr > 0.72 && light < 0.3) c = Shaded(c, 0.6);
            image.setPixel(x, y, c);
        }
    }
}

void CastShadow(QImage& image, const QImage& shape, int x, int y, double darkness) {
    for (int sy = 0; sy < shape.height(); ++sy) {
        for (int sx = 0; sx < shape.width(); ++sx) {
            if (qAlpha(shape.pixel(sx, sy)) == 0) continue;
            const int tx = x + sx + 1;
            const int ty = y + sy + 1;
            if (tx < 0 || ty < 0 || tx >= image.width() || ty >= image.height()) continue;
            image.setPixel(tx, ty, Scale(image.pixel(tx, ty), darkness));
        }
    }
}

}  // namespace assetgen
