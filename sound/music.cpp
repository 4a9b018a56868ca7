// The music functions of the public header, over the library's music player.
#include <cstdio>

#include "sound/device/music_player.h"
#include "tembra/soundsys.h"

namespace {

using tembra::device::MusicPlayer;

int32_t PlayFile(const char* file, int32_t looping, int32_t fadeMs, bool keepSame) {
    if (!file) {
        std::fprintf(stderr, "tembra: music not played: no file named\n");
        MusicPlayer::Instance().Stop(fadeMs / 1000.0);
        return tembra::kMusicNotPlayable;
    }
    const double fade = fadeMs > 0 ? fadeMs / 1000.0 : 0.0;
    return MusicPlayer::Instance().Play(file, looping != 0, fade, keepSame)
               ? tembra::kOk
               : tembra::kMusicNotPlayable;
}

}  // namespace

extern "C" {

TEMBRA_API int32_t TembraMusicPlay(const char* file, int32_t looping) {
    return PlayFile(file, looping, 0, false);
}

TEMBRA_API int32_t TembraMusicCrossFade(const char* file, int32_t looping, int32_t fadeMs) {
    return PlayFile(file, looping, fadeMs, true);
}

TEMBRA_API void TembraMusicStop(int32_t fadeMs) {
    MusicPlayer::Instance().Stop(fadeMs > 0 ? fadeMs / 1000.0 : 0.0);
}

TEMBRA_API void TembraMusicSetVolume(int32_t volume) {
    MusicPlayer::Instance().SetVolume(volume);
}

TEMBRA_API int32_t TembraMusicVolume() {
    return MusicPlayer::Instance().Volume();
}

TEMBRA_API void TembraMusicDuck(int32_t percent) {
    MusicPlayer::Instance().Duck(percent);
}

TEMBRA_API int32_t TembraMusicPlaying() {
    return MusicPlayer::Instance().Playing() ? 1 : 0;
}

// Not part of the game's interface: tests and benchmarks run the library's
// service step themselves, and play a device that goes away.

// While `manual` is non-zero the library's thread leaves the step to
// TembraServiceStep.
TEMBRA_API void TembraServiceManual(int32_t manual) {
    MusicPlayer::Instance().SetManual(manual != 0);
}

TEMBRA_API void TembraServiceStep() {
    MusicPlayer::Instance().Step();
}

// Replaces "is the device still there?" and "may a new one open?" (null
// restores OpenAL's own answer and always trying).
TEMBRA_API void TembraSetOutputSeam(int32_t (*connected)(), int32_t (*mayOpen)()) {
    tembra::device::SetOutputSeam({connected, mayOpen});
}

TEMBRA_API int32_t TembraOutputReopens() {
    return tembra::device::AlOutput::Reopens();
}

}  // extern "C"
