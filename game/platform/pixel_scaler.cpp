#include "game/platform/pixel_scaler.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

// One row of n pixels, each written `S` times side by side.  A fixed S lets
// the compiler unroll the inner copies.
template <int S>
void WidenRow(const uint32_t* in, int n, uint32_t* out) {
    for (int i = 0; i < n; ++i) {
        const uint32_t pixel = in[i];
        for (int k = 0; k < S; ++k)
            out[k] = pixel;
        out += S;
    }
}

void WidenRowAnyScale(const uint32_t* in, int n, uint32_t* out, int scale) {
    switch (scale) {
        case 1:
            std::memcpy(out, in, static_cast<std::size_t>(n) * sizeof(uint32_t));
            return;
        case 2:
            WidenRow<2>(in, n, out);
            return;
        case 3:
            WidenRow<3>(in, n, out);
            return;
        case 4:
            WidenRow<4>(in, n, out);
            return;
        default:
            for (int i = 0; i < n; ++i) {
                std::fill_n(out, scale, in[i]);
                out += scale;
            }
    }
}

// The first and one past the last pixel in which two rows differ; both 0
// when they are equal.
std::pair<int, int> ChangedSpan(const uint32_t* now, const uint32_t* before, int n) {
    const std::size_t bytes = static_cast<std::size_t>(n) * sizeof(uint32_t);
    if (std::memcmp(now, before, bytes) == 0) return {0, 0};
    int first = 0;
    while (now[first] == before[first])
        ++first;
    int last = n;
    while (now[last - 1] == before[last - 1])
        --last;
    return {first, last};
}

}  // namespace

void EnlargePixels(const uint32_t* src, std::size_t srcStride, int x, int y, int w, int h,
                   uint32_t* dst, std::size_t dstStride, int scale) {
    if (w <= 0 || h <= 0 || scale < 1) return;
    const std::size_t rowBytes = static_cast<std::size_t>(w) * scale * sizeof(uint32_t);
    for (int row = y; row < y + h; ++row) {
        uint32_t* out = dst + static_cast<std::size_t>(row) * scale * dstStride +
                        static_cast<std::size_t>(x) * scale;
        WidenRowAnyScale(src + static_cast<std::size_t>(row) * srcStride + x, w, out, scale);
        // The other rows of the block are the same as the first.
        for (int k = 1; k < scale; ++k)
            std::memcpy(out + k * dstStride, out, rowBytes);
    }
}

void EnlargedFrame::Reset(int width, int height, int scale) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    scale_ = std::max(scale, 1);
    const std::size_t pixels = static_cast<std::size_t>(width_) * height_;
    last_.assign(pixels, 0);
    enlarged_.assign(pixels * scale_ * scale_, 0);
    changed_.clear();
    valid_ = false;
}

void EnlargedFrame::EnlargeAll(const uint32_t* frame, std::size_t stride) {
    EnlargePixels(frame, stride, 0, 0, width_, height_, enlarged_.data(), Stride(), scale_);
    for (int y = 0; y < height_; ++y)
        std::memcpy(&last_[static_cast<std::size_t>(y) * width_],
                    frame + static_cast<std::size_t>(y) * stride,
                    static_cast<std::size_t>(width_) * sizeof(uint32_t));
    changed_.push_back({0, 0, width_, height_});
    valid_ = true;
}

const std::vector<PixelRect>& EnlargedFrame::Update(const uint32_t* frame, std::size_t stride) {
    changed_.clear();
    if (width_ == 0 || height_ == 0) return changed_;
    if (!valid_) {
        EnlargeAll(frame, stride);
        return changed_;
    }
    for (int bandTop = 0; bandTop < height_; bandTop += kBandRows) {
        const int bandBottom = std::min(bandTop + kBandRows, height_);
        PixelRect band{width_, bandBottom, 0, bandTop};
        for (int y = bandTop; y < bandBottom; ++y) {
            const uint32_t* now = frame + static_cast<std::size_t>(y) * stride;
            uint32_t* before = &last_[static_cast<std::size_t>(y) * width_];
            auto [first, last] = ChangedSpan(now, before, width_);
            if (first == last) continue;
            EnlargePixels(frame, stride, first, y, last - first, 1, enlarged_.data(), Stride(),
                          scale_);
            std::memcpy(before + first, now + first,
                        static_cast<std::size_t>(last - first) * sizeof(uint32_t));
            band.left = std::min(band.left, first);
            band.right = std::max(band.right, last);
            band.top = std::min(band.top, y);
            band.bottom = std::max(band.bottom, y + 1);
        }
        if (band.left < band.right) changed_.push_back(band);
    }
    return changed_;
}

}  // namespace platform
