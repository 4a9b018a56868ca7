#include "sound/device/al_output.h"

#include <AL/al.h>
#include <AL/alext.h>

#include <algorithm>
#include <atomic>
#include <cmath>

#include "sound/device/device_error.h"

namespace tembra::device {
namespace {

OutputSeam seam;
std::atomic<int> reopens{0};

// Enough sources for a full channel table of playing sounds and for the
// music; OpenAL Soft gives only 256 mono and no stereo ones unless asked.
std::vector<ALCint> SourceAttributes() {
    return {ALC_MONO_SOURCES, kMaxBuffers * kSourcesPerBuffer, ALC_STEREO_SOURCES, kStereoSources};
}

// Many cues at once would clip; OpenAL Soft can hold its output below full
// scale instead.  An OpenAL without the extension plays on unlimited.
void AskForLimiter(ALCdevice* device, std::vector<ALCint>& attributes) {
    if (alcIsExtensionPresent(device, "ALC_SOFT_output_limiter"))
        attributes.insert(attributes.end(), {ALC_OUTPUT_LIMITER_SOFT, ALC_TRUE});
}

ALCdevice* OpenLoopbackDevice() {
    using OpenLoopbackFn = ALCdevice*(ALC_APIENTRY*)(const ALCchar*);
    auto openLoopback = reinterpret_cast<OpenLoopbackFn>(
        alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback")
            ? alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT")
            : nullptr);
    if (!openLoopback) Fail(kErrNoDriver, "OpenAL offers no loopback output", "OpenAL");
    return openLoopback(nullptr);
}

// A plain, repeatable mix (no head-related filtering) with the limiter of
// the real output, so that what the loopback renders is what a player hears.
std::vector<ALCint> LoopbackAttributes(ALCdevice* device) {
    std::vector<ALCint> attributes = SourceAttributes();
    attributes.insert(attributes.end(),
                      {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT,
                       ALC_SHORT_SOFT, ALC_FREQUENCY, kLoopbackRate, ALC_HRTF_SOFT, ALC_FALSE});
    AskForLimiter(device, attributes);
    attributes.push_back(0);
    return attributes;
}

std::vector<ALCint> DeviceAttributes(ALCdevice* device) {
    std::vector<ALCint> attributes = SourceAttributes();
    AskForLimiter(device, attributes);
    attributes.push_back(0);
    return attributes;
}

}  // namespace

std::recursive_mutex& AlMutex() {
    static std::recursive_mutex mutex;
    return mutex;
}

void SetOutputSeam(const OutputSeam& newSeam) {
    AlLock lock(AlMutex());
    seam = newSeam;
}

AlOutput::AlOutput(Kind kind, ALCdevice* device, ALCcontext* context)
    : kind_(kind), device_(device), context_(context) {}

AlOutput::~AlOutput() {
    AlLock lock(AlMutex());
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

void AlOutput::SetUpContext() {
    MakeCurrent();
    // Sounds are placed at the listener's sides only to pan them, never to
    // fade them with distance.
    alDistanceModel(AL_NONE);
    // The master gain sits on the listener, under every sound's own volume,
    // so the volumes read back from the buffers stay what the game set.
    alListenerf(AL_GAIN, static_cast<float>(std::pow(10.0, kMasterGainDb / 20.0)));
}

std::shared_ptr<AlOutput> AlOutput::Open(Kind kind, const std::string& name) {
    AlLock lock(AlMutex());
    ALCdevice* device = kind == Kind::kLoopback
                            ? OpenLoopbackDevice()
                            : alcOpenDevice(name.empty() ? nullptr : name.c_str());
    const std::string shown = kind == Kind::kLoopback ? "loopback" : name;
    if (!device) Fail(kErrNoDriver, "cannot open the sound output \"" + shown + "\"", "OpenAL");
    const std::vector<ALCint> attributes =
        kind == Kind::kLoopback ? LoopbackAttributes(device) : DeviceAttributes(device);
    ALCcontext* context = alcCreateContext(device, attributes.data());
    if (!context) {
        alcCloseDevice(device);
        Fail(kErrNoDriver, "cannot create a mixing context on \"" + shown + "\"", "OpenAL");
    }
    std::shared_ptr<AlOutput> output(new AlOutput(kind, device, context));
    output->SetUpContext();
    return output;
}

std::shared_ptr<AlOutput> AlOutput::OpenDevice(const std::string& name) {
    return Open(Kind::kNamed, name);
}

std::shared_ptr<AlOutput> AlOutput::OpenLoopback() {
    return Open(Kind::kLoopback, "");
}

void AlOutput::AddUser(OutputUser* user) {
    AlLock lock(AlMutex());
    users_.push_back(user);
}

void AlOutput::RemoveUser(OutputUser* user) {
    AlLock lock(AlMutex());
    users_.erase(std::remove(users_.begin(), users_.end(), user), users_.end());
}

bool AlOutput::Connected() const {
    AlLock lock(AlMutex());
    if (seam.connected) return seam.connected() != 0;
    if (!alcIsExtensionPresent(device_, "ALC_EXT_disconnect")) return true;
    ALCint connected = ALC_TRUE;
    alcGetIntegerv(device_, ALC_CONNECTED, 1, &connected);
    return connected != ALC_FALSE;
}

bool AlOutput::Reopen() {
    {
        AlLock lock(AlMutex());
        if (seam.mayOpen && seam.mayOpen() == 0) return false;
    }
    // Opening may take a while on a sound server that is coming back; the
    // game's sounds go on meanwhile, since nothing of this output is
    // touched before the new device is there.
    ALCdevice* device = nullptr;
    try {
        // A lost named device may never come back: the system's default
        // output is where the player hears the game now.
        device = kind_ == Kind::kLoopback ? OpenLoopbackDevice() : alcOpenDevice(nullptr);
    } catch (const DeviceError&) {
        return false;
    }
    if (!device) return false;
    const std::vector<ALCint> attributes =
        kind_ == Kind::kLoopback ? LoopbackAttributes(device) : DeviceAttributes(device);
    ALCcontext* context = alcCreateContext(device, attributes.data());
    if (!context) {
        alcCloseDevice(device);
        return false;
    }

    AlLock lock(AlMutex());
    MakeCurrent();
    for (OutputUser* user : users_)
        user->DetachAl();
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context_);
    alcCloseDevice(device_);
    device_ = device;
    context_ = context;
    SetUpContext();
    for (OutputUser* user : users_) {
        MakeCurrent();
        user->AttachAl();
    }
    ++reopens;
    return true;
}

int AlOutput::Reopens() {
    return reopens;
}

double AlOutput::ClockSeconds() const {
    AlLock lock(AlMutex());
    using GetInteger64Fn = void(ALC_APIENTRY*)(ALCdevice*, ALCenum, ALCsizei, ALCint64SOFT*);
    if (!alcIsExtensionPresent(device_, "ALC_SOFT_device_clock")) return -1.0;
    auto getInteger64 =
        reinterpret_cast<GetInteger64Fn>(alcGetProcAddress(device_, "alcGetInteger64vSOFT"));
    if (!getInteger64) return -1.0;
    ALCint64SOFT nanoseconds = 0;
    getInteger64(device_, ALC_DEVICE_CLOCK_SOFT, 1, &nanoseconds);
    return static_cast<double>(nanoseconds) / 1e9;
}

}  // namespace tembra::device
