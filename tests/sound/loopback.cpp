#include "loopback.h"

#include <AL/alc.h>
#include <AL/alext.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "tembra_library.h"

namespace tembra_test {
namespace {

float Peak(const std::vector<int16_t>& side, size_t from) {
    int peak = 0;
    for (size_t i = from; i < side.size(); ++i)
        peak = std::max(peak, std::abs(static_cast<int>(side[i])));
    return static_cast<float>(peak) / kFullScale;
}

}  // namespace

void UseLoopbackOutput() {
    setenv("TEMBRA_OUTPUT", "loopback", 1);
}

float Rendered::LeftPeak(size_t from) const {
    return Peak(left, from);
}
float Rendered::RightPeak(size_t from) const {
    return Peak(right, from);
}

Rendered Render(int frames) {
    ALCcontext* context = alcGetCurrentContext();
    if (!context) throw std::runtime_error("no sound output is open");
    ALCdevice* device = alcGetContextsDevice(context);
    using RenderFn = void(ALC_APIENTRY*)(ALCdevice*, ALCvoid*, ALCsizei);
    static const auto render =
        reinterpret_cast<RenderFn>(alcGetProcAddress(device, "alcRenderSamplesSOFT"));
    std::vector<int16_t> interleaved(static_cast<size_t>(frames) * 2);
    render(device, interleaved.data(), frames);
    Rendered out;
    out.left.resize(frames);
    out.right.resize(frames);
    for (int i = 0; i < frames; ++i) {
        out.left[i] = interleaved[2 * i];
        out.right[i] = interleaved[2 * i + 1];
    }
    return out;
}

Rendered RenderServiced(double seconds) {
    constexpr int kChunk = kLoopbackRate / 20;
    Rendered all;
    for (int left = static_cast<int>(seconds * kLoopbackRate); left > 0; left -= kChunk) {
        Library().TembraServiceStep();
        const Rendered part = Render(std::min(left, kChunk));
        all.left.insert(all.left.end(), part.left.begin(), part.left.end());
        all.right.insert(all.right.end(), part.right.begin(), part.right.end());
    }
    return all;
}

}  // namespace tembra_test
