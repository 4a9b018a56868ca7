#include "sound/device/al_output.h"

#include <AL/al.h>
#include <AL/alext.h>

#include <cmath>
#include <vector>

#include "sound/device/device_error.h"

namespace tembra::device {
namespace {

// Enough sources for a full channel table of playing sounds; OpenAL Soft
// gives only 256 unless asked.
std::vector<ALCint> SourceAttributes() {
    return {ALC_MONO_SOURCES, kMaxBuffers * kSourcesPerBuffer, ALC_STEREO_SOURCES, 0};
}

// Many cues at once would clip; OpenAL Soft can hold its output below full
// scale instead.  An OpenAL without the extension plays on unlimited.
void AskForLimiter(ALCdevice* device, std::vector<ALCint>& attributes) {
    if (alcIsExtensionPresent(device, "ALC_SOFT_output_limiter"))
        attributes.insert(attributes.end(), {ALC_OUTPUT_LIMITER_SOFT, ALC_TRUE});
}

}  // namespace

AlOutput::AlOutput(ALCdevice* device, ALCcontext* context) : device_(device), context_(context) {}

AlOutput::~AlOutput() {
    if (alcGetCurrentContext() == context_) alcMakeContextCurrent(nullptr);
    alcDestroyContext(context_);
    alcCloseDevice(device_);
}

void AlOutput::MakeCurrent() const {
    if (alcGetCurrentContext() != context_) alcMakeContextCurrent(context_);
    alGetError();
}

AlOutput::UpdateBatch::UpdateBatch(const AlOutput& output) : context_(output.context_) {
    output.MakeCurrent();
    alcSuspendContext(context_);
}

AlOutput::UpdateBatch::~UpdateBatch() {
    alcProcessContext(context_);
}

std::shared_ptr<AlOutput> AlOutput::WithContext(ALCdevice* device, const int* attributes,
                                                const std::string& name) {
    ALCcontext* context = alcCreateContext(device, attributes);
    if (!context) {
        alcCloseDevice(device);
        Fail(kErrNoDriver, "cannot create a mixing context on \"" + name + "\"", "OpenAL");
    }
    std::shared_ptr<AlOutput> output(new AlOutput(device, context));
    output->MakeCurrent();
    // Sounds are placed at the listener's sides only to pan them, never to
    // fade them with distance.
    alDistanceModel(AL_NONE);
    // The master gain sits on the listener, under every sound's own volume,
    // so the volumes read back from the buffers stay what the game set.
    alListenerf(AL_GAIN, static_cast<float>(std::pow(10.0, kMasterGainDb / 20.0)));
    return output;
}

std::shared_ptr<AlOutput> AlOutput::OpenDevice(const std::string& name) {
    ALCdevice* device = alcOpenDevice(name.empty() ? nullptr : name.c_str());
    if (!device) Fail(kErrNoDriver, "cannot open the sound output \"" + name + "\"", "OpenAL");
    std::vector<ALCint> attributes = SourceAttributes();
    AskForLimiter(device, attributes);
    attributes.push_back(0);
    return WithContext(device, attributes.data(), name);
}

std::shared_ptr<AlOutput> AlOutput::OpenLoopback() {
    using OpenLoopbackFn = ALCdevice*(ALC_APIENTRY*)(const ALCchar*);
    auto openLoopback = reinterpret_cast<OpenLoopbackFn>(
        alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback")
            ? alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT")
            : nullptr);
    if (!openLoopback) Fail(kErrNoDriver, "OpenAL offers no loopback output", "OpenAL");
    ALCdevice* device = openLoopback(nullptr);
    if (!device) Fail(kErrNoDriver, "cannot open the loopback output", "OpenAL");
    // A plain, repeatable mix (no head-related filtering) with the limiter
    // of the real output, so that what it renders is what a player hears.
    std::vector<ALCint> attributes = SourceAttributes();
    attributes.insert(attributes.end(),
                      {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT,
                       ALC_SHORT_SOFT, ALC_FREQUENCY, kLoopbackRate, ALC_HRTF_SOFT, ALC_FALSE});
    AskForLimiter(device, attributes);
    attributes.push_back(0);
    return WithContext(device, attributes.data(), "loopback");
}

}  // namespace tembra::device
