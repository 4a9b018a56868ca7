#include "game/platform/pixel_scaler.h"

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

// True when n pixels differ anywhere.  No early exit: a plain sweep, unrolled
// for a whole cell, beats a call per cell.
template <int N>
bool DifferIn(const uint32_t* a, const uint32_t* b) {
    uint32_t difference = 0;
    for (int i = 0; i < N; ++i)
        difference |= a[i] ^ b[i];
    return difference != 0;
}

bool Differ(const uint32_t* a, const uint32_t* b, int n) {
    if (n == EnlargedFrame::kCell) return DifferIn<EnlargedFrame::kCell>(a, b);
    uint32_t difference = 0;
    for (int i = 0; i < n; ++i)
        difference |= a[i] ^ b[i];
    return difference != 0;
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
    outWidth_ = width_ * scale_;
    outHeight_ = height_ * scale_;
    across_.clear();
    down_.clear();
    const std::size_t pixels = static_cast<std::size_t>(width_) * height_;
    last_.assign(pixels, 0);
    enlarged_.assign(static_cast<std::size_t>(outWidth_) * outHeight_, 0);
    changed_.clear();
    valid_ = false;
}

void EnlargedFrame::ResetFilled(int width, int height, int outWidth, int outHeight) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == 0 || height == 0 || outWidth < width || outHeight < height) {
        Reset(width, height, 1);
        return;
    }
    Reset(width, height, std::max(1, std::min(outWidth / width, outHeight / height)));
    outWidth_ = outWidth;
    outHeight_ = outHeight;
    across_ = FillTaps(width_, outWidth_);
    down_ = FillTaps(height_, outHeight_);
    enlarged_.assign(static_cast<std::size_t>(outWidth_) * outHeight_, 0);
}

PixelRect EnlargedFrame::OutRect(const PixelRect& part) const {
    if (!Fills())
        return {part.left * scale_, part.top * scale_, part.right * scale_, part.bottom * scale_};
    // Target pixel t covers [t * w, (t + 1) * w) in 1 / out of a frame
    // pixel: the first that reaches past `from` up to the first that
    // starts at or after `to`.
    auto first = [](int from, int in, int out) {
        return static_cast<int>(static_cast<int64_t>(from) * out / in);
    };
    auto end = [](int to, int in, int out) {
        return static_cast<int>((static_cast<int64_t>(to) * out + in - 1) / in);
    };
    return {first(part.left, width_, outWidth_), first(part.top, height_, outHeight_),
            end(part.right, width_, outWidth_), end(part.bottom, height_, outHeight_)};
}

void EnlargedFrame::EnlargePart(const uint32_t* frame, std::size_t stride, const PixelRect& part) {
    if (Fills()) {
        FillPixelsPart(frame, stride, across_, down_, enlarged_.data(), Stride(), OutRect(part));
        return;
    }
    EnlargePixels(frame, stride, part.left, part.top, part.Width(), part.Height(), enlarged_.data(),
                  Stride(), scale_);
}

void EnlargedFrame::EnlargeAll(const uint32_t* frame, std::size_t stride) {
    EnlargePart(frame, stride, {0, 0, width_, height_});
    for (int y = 0; y < height_; ++y)
        std::memcpy(&last_[static_cast<std::size_t>(y) * width_],
                    frame + static_cast<std::size_t>(y) * stride,
                    static_cast<std::size_t>(width_) * sizeof(uint32_t));
    changed_.push_back({0, 0, width_, height_});
    valid_ = true;
}

void EnlargedFrame::FindChangedCells(const uint32_t* frame, std::size_t stride, int top,
                                     int bottom) {
    const int cells = static_cast<int>(cellChanged_.size());
    std::fill(cellChanged_.begin(), cellChanged_.end(), 0);
    const std::size_t rowBytes = static_cast<std::size_t>(width_) * sizeof(uint32_t);
    for (int y = top; y < bottom; ++y) {
        const uint32_t* now = frame + static_cast<std::size_t>(y) * stride;
        const uint32_t* before = &last_[static_cast<std::size_t>(y) * width_];
        // Most rows of a frame of play are as they were.
        if (std::memcmp(now, before, rowBytes) == 0) continue;
        for (int c = 0; c < cells; ++c) {
            if (cellChanged_[c]) continue;
            const int left = c * kCell;
            if (Differ(now + left, before + left, std::min(kCell, width_ - left)))
                cellChanged_[c] = 1;
        }
    }
}

const std::vector<PixelRect>& EnlargedFrame::Update(const uint32_t* frame, std::size_t stride) {
    changed_.clear();
    if (width_ == 0 || height_ == 0) return changed_;
    if (!valid_) {
        EnlargeAll(frame, stride);
        return changed_;
    }
    cellChanged_.assign(static_cast<std::size_t>((width_ + kCell - 1) / kCell), 0);
    const int cells = static_cast<int>(cellChanged_.size());
    for (int top = 0; top < height_; top += kCell) {
        const int bottom = std::min(top + kCell, height_);
        FindChangedCells(frame, stride, top, bottom);
        // Each run of changed cells side by side is enlarged and reported as one.
        for (int c = 0; c < cells;) {
            if (!cellChanged_[c]) {
                ++c;
                continue;
            }
            int end = c;
            while (end < cells && cellChanged_[end])
                ++end;
            const int left = c * kCell, right = std::min(end * kCell, width_);
            EnlargePart(frame, stride, {left, top, right, bottom});
            for (int y = top; y < bottom; ++y)
                std::memcpy(&last_[static_cast<std::size_t>(y) * width_ + left],
                            frame + static_cast<std::size_t>(y) * stride + left,
                            static_cast<std::size_t>(right - left) * sizeof(uint32_t));
            changed_.push_back({left, top, right, bottom});
            c = end;
        }
    }
    return changed_;
}

namespace {

// share / 256 of p and the rest of q.
inline uint32_t Mix(uint32_t p, uint32_t q, uint32_t share) {
    const uint32_t rest = 256 - share;
    const uint32_t rb = (((p & 0xFF00FFu) * share + (q & 0xFF00FFu) * rest) >> 8) & 0xFF00FFu;
    const uint32_t g = (((p & 0x00FF00u) * share + (q & 0x00FF00u) * rest) >> 8) & 0x00FF00u;
    return 0xFF000000u | rb | g;
}

// out[x] = Mix(a[x], b[x], share) for a whole row.  The same sums, four
// pixels at a time where the processor has SSE2: every channel's
// c_a * share + c_b * (256 - share) fits 16 bits, as in Mix.
void MixRows(const uint32_t* a, const uint32_t* b, uint32_t* out, int n, uint32_t share) {
    int x = 0;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    const __m128i first = _mm_set1_epi16(static_cast<short>(share));
    const __m128i second = _mm_set1_epi16(static_cast<short>(256 - share));
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    for (; x + 4 <= n; x += 4) {
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + x));
        const __m128i q = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + x));
        const __m128i low =
            _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(p, zero), first),
                                         _mm_mullo_epi16(_mm_unpacklo_epi8(q, zero), second)),
                           8);
        const __m128i high =
            _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(p, zero), first),
                                         _mm_mullo_epi16(_mm_unpackhi_epi8(q, zero), second)),
                           8);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x),
                         _mm_or_si128(_mm_packus_epi16(low, high), opaque));
    }
#endif
    for (; x < n; ++x)
        out[x] = Mix(a[x], b[x], share);
}

}  // namespace

void FillPixelsPart(const uint32_t* src, std::size_t srcStride, const std::vector<FillTap>& across,
                    const std::vector<FillTap>& down, uint32_t* dst, std::size_t dstStride,
                    PixelRect part) {
    part.left = std::max(part.left, 0);
    part.top = std::max(part.top, 0);
    part.right = std::min(part.right, static_cast<int>(across.size()));
    part.bottom = std::min(part.bottom, static_cast<int>(down.size()));
    if (part.Width() <= 0 || part.Height() <= 0) return;
    // The source rows the part needs are widened once each, then mixed down.
    const int firstRow = down[static_cast<std::size_t>(part.top)].source;
    const FillTap& lastTap = down[static_cast<std::size_t>(part.bottom - 1)];
    const int lastRow = lastTap.source + (lastTap.share < 256 ? 1 : 0);
    const int width = part.Width();
    thread_local std::vector<uint32_t> rows;
    rows.resize(static_cast<std::size_t>(width) * (lastRow - firstRow + 1));
    const FillTap* taps = across.data() + part.left;
    for (int y = firstRow; y <= lastRow; ++y) {
        const uint32_t* in = src + static_cast<std::size_t>(y) * srcStride;
        uint32_t* out = rows.data() + static_cast<std::size_t>(y - firstRow) * width;
        for (int x = 0; x < width; ++x) {
            const FillTap tap = taps[x];
            const uint32_t p = in[tap.source];
            out[x] = tap.share >= 256 ? (p | 0xFF000000u) : Mix(p, in[tap.source + 1], tap.share);
        }
    }
    for (int y = part.top; y < part.bottom; ++y) {
        const FillTap tap = down[static_cast<std::size_t>(y)];
        const uint32_t* first =
            rows.data() + static_cast<std::size_t>(tap.source - firstRow) * width;
        uint32_t* out = dst + static_cast<std::size_t>(y) * dstStride + part.left;
        if (tap.share >= 256) {
            std::memcpy(out, first, static_cast<std::size_t>(width) * sizeof(uint32_t));
            continue;
        }
        MixRows(first, first + width, out, width, tap.share);
    }
}

void FillPixels(const uint32_t* src, std::size_t srcStride, int w, int h, uint32_t* dst,
                std::size_t dstStride, int dw, int dh) {
    if (w <= 0 || h <= 0 || dw < w || dh < h) return;
    FillPixelsPart(src, srcStride, FillTaps(w, dw), FillTaps(h, dh), dst, dstStride,
                   {0, 0, dw, dh});
}

std::vector<FillTap> FillTaps(int from, int to) {
    // Target pixel t covers [t * from, (t + 1) * from) in units of 1 / to of
    // a source pixel; to >= from, so at most one source edge lies inside.
    std::vector<FillTap> taps(static_cast<std::size_t>(to));
    for (int t = 0; t < to; ++t) {
        const int64_t begin = static_cast<int64_t>(t) * from;
        const int64_t end = begin + from;
        const int first = static_cast<int>(begin / to);
        const int64_t edge = static_cast<int64_t>(first + 1) * to;
        uint32_t share = 256;
        if (end > edge && first + 1 < from)
            share = static_cast<uint32_t>(((edge - begin) * 256 + from / 2) / from);
        taps[static_cast<std::size_t>(t)] = {first, share};
    }
    return taps;
}

}  // namespace platform
