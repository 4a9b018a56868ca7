// Off-screen pixel surfaces and exact block transfers.  The game keeps its
// picture sheets and the play field in 32-bit pixels (0xAARRGGBB, the layout
// of QImage::Format_RGB32) and composes every frame with three raster
// operations: copy, bitwise AND (masks) and bitwise OR (pictures on black).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

enum RasterOp : uint32_t {
    SRCCOPY = 0x00CC0020,
    SRCAND = 0x008800C6,
    SRCPAINT = 0x00EE0086,
};

inline constexpr uint32_t kBlackPixel = 0xFF000000u;

struct PixelSurface {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // row after row, width pixels each

    PixelSurface() = default;
    PixelSurface(int w, int h, uint32_t fill = kBlackPixel)
        : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}

    uint32_t& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    void Fill(uint32_t colour) { pixels.assign(pixels.size(), colour); }
};

// Transfers a w x h block from src at (sx, sy) to dst at (x, y).  The block
// is clipped to both surfaces, so pictures at the edge of the play field are
// cut, never written outside it.
void BitBlt(PixelSurface& dst, int x, int y, int w, int h, const PixelSurface& src, int sx, int sy,
            RasterOp op);

// Fills a rectangle, clipped to the surface.
void FillRect(PixelSurface& dst, int x, int y, int w, int h, uint32_t colour);

// A colour of the game's files and rules (red + 256 green + 65536 blue) as a pixel.
inline uint32_t PixelOfColour(int32_t colour) {
    uint32_t c = static_cast<uint32_t>(colour);
    return kBlackPixel | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

// Handles in the manner of a graphics device interface: a device context with
// a bitmap selected into it.  Handles are never 0; a deleted handle is
// invalid and transfers through it do nothing.
int32_t CreateCompatibleDC();
int32_t CreateCompatibleBitmap(int width, int height);
void SelectObject(int32_t dc, int32_t bitmap);
// The pixels of the bitmap selected into a device context (nullptr if none).
PixelSurface* SurfaceOfDc(int32_t dc);
PixelSurface* SurfaceOfBitmap(int32_t bitmap);
bool BitBlt(int32_t dstDc, int x, int y, int w, int h, int32_t srcDc, int sx, int sy, RasterOp op);
void DeleteDC(int32_t dc);
void DeleteObject(int32_t bitmap);
// Live handles of both kinds (tests check that shut-down frees everything).
int LiveGdiHandles();

}  // namespace platform
