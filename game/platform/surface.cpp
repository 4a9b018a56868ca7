#include "game/platform/surface.h"

#include <algorithm>
#include <memory>

namespace platform {

void BitBlt(PixelSurface& dst, int x, int y, int w, int h, const PixelSurface& src, int sx, int sy,
            RasterOp op) {
    // Clip against the source, then the destination, moving both origins.
    if (sx < 0) x -= sx, w += sx, sx = 0;
    if (sy < 0) y -= sy, h += sy, sy = 0;
    if (x < 0) sx -= x, w += x, x = 0;
    if (y < 0) sy -= y, h += y, y = 0;
    w = std::min({w, src.width - sx, dst.width - x});
    h = std::min({h, src.height - sy, dst.height - y});
    if (w <= 0 || h <= 0) return;

    for (int row = 0; row < h; ++row) {
        const uint32_t* from = &src.pixels[static_cast<size_t>(sy + row) * src.width + sx];
        uint32_t* to = &dst.pixels[static_cast<size_t>(y + row) * dst.width + x];
        switch (op) {
            case SRCCOPY:
                std::copy(from, from + w, to);
                break;
            case SRCAND:
                for (int i = 0; i < w; ++i)
                    to[i] &= from[i];
                break;
            case SRCPAINT:
                for (int i = 0; i < w; ++i)
                    to[i] |= from[i];
                break;
        }
    }
}

void FillRect(PixelSurface& dst, int x, int y, int w, int h, uint32_t colour) {
    int x0 = std::max(x, 0), y0 = std::max(y, 0);
    int x1 = std::min(x + w, dst.width), y1 = std::min(y + h, dst.height);
    for (int row = y0; row < y1; ++row)
        std::fill(&dst.pixels[static_cast<size_t>(row) * dst.width + x0],
                  &dst.pixels[static_cast<size_t>(row) * dst.width + x1], colour);
}

namespace {

// Bitmaps and device contexts share one handle space: the index in this
// table plus one.
struct GdiObject {
    bool isDc = false;
    int32_t selected = 0;                   // device context: its bitmap
    std::unique_ptr<PixelSurface> surface;  // bitmap: its pixels
};

std::vector<std::unique_ptr<GdiObject>>& Table() {
    static std::vector<std::unique_ptr<GdiObject>> table;
    return table;
}

int32_t Add(std::unique_ptr<GdiObject> object) {
    auto& table = Table();
    for (size_t i = 0; i < table.size(); ++i) {
        if (!table[i]) {
            table[i] = std::move(object);
            return static_cast<int32_t>(i + 1);
        }
    }
    table.push_back(std::move(object));
    return static_cast<int32_t>(table.size());
}

GdiObject* Find(int32_t handle) {
    auto& table = Table();
    if (handle < 1 || static_cast<size_t>(handle) > table.size()) return nullptr;
    return table[handle - 1].get();
}

}  // namespace

int32_t CreateCompatibleDC() {
    auto dc = std::make_unique<GdiObject>();
    dc->isDc = true;
    return Add(std::move(dc));
}

int32_t CreateCompatibleBitmap(int width, int height) {
    auto bitmap = std::make_unique<GdiObject>();
    bitmap->surface = std::make_unique<PixelSurface>(std::max(width, 0), std::max(height, 0));
    return Add(std::move(bitmap));
}

void SelectObject(int32_t dc, int32_t bitmap) {
    GdiObject* d = Find(dc);
    GdiObject* b = Find(bitmap);
    if (d && d->isDc && b && !b->isDc) d->selected = bitmap;
}

PixelSurface* SurfaceOfBitmap(int32_t bitmap) {
    GdiObject* b = Find(bitmap);
    return b && !b->isDc ? b->surface.get() : nullptr;
}

PixelSurface* SurfaceOfDc(int32_t dc) {
    GdiObject* d = Find(dc);
    return d && d->isDc ? SurfaceOfBitmap(d->selected) : nullptr;
}

bool BitBlt(int32_t dstDc, int x, int y, int w, int h, int32_t srcDc, int sx, int sy, RasterOp op) {
    PixelSurface* dst = SurfaceOfDc(dstDc);
    PixelSurface* src = SurfaceOfDc(srcDc);
    if (!dst || !src) return false;
    BitBlt(*dst, x, y, w, h, *src, sx, sy, op);
    return true;
}

void DeleteDC(int32_t dc) {
    GdiObject* d = Find(dc);
    if (d && d->isDc) Table()[dc - 1].reset();
}

void DeleteObject(int32_t bitmap) {
    GdiObject* b = Find(bitmap);
    if (!b || b->isDc) return;
    // A context that still selects the bitmap now selects nothing.
    for (auto& object : Table())
        if (object && object->isDc && object->selected == bitmap) object->selected = 0;
    Table()[bitmap - 1].reset();
}

int LiveGdiHandles() {
    int n = 0;
    for (auto& object : Table())
        n += object ? 1 : 0;
    return n;
}

}  // namespace platform
