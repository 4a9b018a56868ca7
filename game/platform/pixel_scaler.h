// Whole-number enlargement of 32-bit pixels, each pixel becoming an s x s
// block, so that pixel art stays sharp at any size.  The play field is
// composed at its own 500 x 500 pixels and enlarged once when it is shown;
// EnlargedFrame keeps the enlarged copy and redoes only what a frame changed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

// A rectangle of pixels: left <= x < right, top <= y < bottom.
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};

// Enlarges the w x h block at (x, y) of src into dst at (x * scale,
// y * scale).  Strides are in pixels.  scale is 1 or more.
void EnlargePixels(const uint32_t* src, std::size_t srcStride, int x, int y, int w, int h,
                   uint32_t* dst, std::size_t dstStride, int scale);

// Enlarges a w x h block of src (stride in pixels) to a dw x dh block of dst
// (dw >= w, dh >= h), sharp at a factor that need not be whole: as if each
// pixel were enlarged without smoothing to the next whole multiple and the
// result scaled down smoothly, done in one pass from the pixels themselves.
// Each target pixel takes the average of the source pixels it covers, by
// area; as a target pixel covers at most two source pixels on each axis,
// every source pixel shows as a block of whole pixels with at most one
// mixed pixel between it and its neighbour.  Opaque pixels only (the alpha
// byte is set).
void FillPixels(const uint32_t* src, std::size_t srcStride, int w, int h, uint32_t* dst,
                std::size_t dstStride, int dw, int dh);

// The steps of a sharp fill from `from` pixels to `to` (to >= from) on one
// axis: each target pixel's first source pixel and its share of it, in
// 256ths; the rest, if any, is the next source pixel's.
struct FillTap {
    int source = 0;
    uint32_t share = 256;
};
std::vector<FillTap> FillTaps(int from, int to);

// FillPixels for the target pixels of `part` alone (the target's own
// pixels), with the two axes' steps worked out before (across: w to dw,
// down: h to dh).
void FillPixelsPart(const uint32_t* src, std::size_t srcStride, const std::vector<FillTap>& across,
                    const std::vector<FillTap>& down, uint32_t* dst, std::size_t dstStride,
                    PixelRect part);

class EnlargedFrame {
  public:
    // The frame is compared, enlarged and reported in square cells of this
    // many pixels (half a tile of the play field), so that things moving
    // far apart cost little more than the pixels they change.
    static constexpr int kCell = 10;

    // A frame of width x height pixels enlarged scale times.  Forgets what
    // was shown: the next Update enlarges the whole frame.
    void Reset(int width, int height, int scale);
    // A frame of width x height pixels filled to outWidth x outHeight (at
    // least as large) as FillPixels does, for a factor that is not whole.
    // Scale() is then the factor's whole part.
    void ResetFilled(int width, int height, int outWidth, int outHeight);
    // The next Update enlarges the whole frame, whether it changed or not.
    void Invalidate() { valid_ = false; }

    // Brings the enlarged copy up to date with the frame (width x height
    // pixels, stride in pixels) and returns the parts that changed, in the
    // frame's own pixels: runs of changed cells side by side in a row of
    // cells, top to bottom and left to right; empty when nothing changed.
    const std::vector<PixelRect>& Update(const uint32_t* frame, std::size_t stride);

    int Scale() const { return scale_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The size of the enlarged copy: width * scale by height * scale, or
    // the filled size.
    int OutWidth() const { return outWidth_; }
    int OutHeight() const { return outHeight_; }
    bool Fills() const { return !across_.empty(); }
    // The target pixels that show the frame's pixels `part` (filling, a
    // target pixel on the edge mixes two frame pixels).
    PixelRect OutRect(const PixelRect& part) const;
    // The enlarged pixels, OutWidth() by OutHeight(), row after row.
    uint32_t* Pixels() { return enlarged_.data(); }
    const uint32_t* Pixels() const { return enlarged_.data(); }
    std::size_t Stride() const { return static_cast<std::size_t>(outWidth_); }

  private:
    void EnlargeAll(const uint32_t* frame, std::size_t stride);
    void EnlargePart(const uint32_t* frame, std::size_t stride, const PixelRect& part);
    // Marks the cells of one row of cells that differ from the last frame.
    void FindChangedCells(const uint32_t* frame, std::size_t stride, int top, int bottom);

    int width_ = 0, height_ = 0, scale_ = 1;
    int outWidth_ = 0, outHeight_ = 0;
    // Filling: the steps across and down; empty for a whole scale.
    std::vector<FillTap> across_, down_;
    bool valid_ = false;
    std::vector<uint32_t> last_;      // the frame last enlarged
    std::vector<uint32_t> enlarged_;  // its enlarged copy
    std::vector<PixelRect> changed_;
    std::vector<char> cellChanged_;  // one row of cells
};

}  // namespace platform
