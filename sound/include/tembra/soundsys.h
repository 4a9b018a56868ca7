// The public face of the tembra sound library: the SoundSys class as the game
// reaches it, the one exception its members throw, the four entry points
// the game finds with dlsym after loading libtembra.so, and the music
// functions beside them.
//
// The game includes this header and links nothing of the library.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#define TEMBRA_API __attribute__((visibility("default")))

namespace tembra {

// 16-bit boolean of the interface: True is -1, False is 0.
using Boolean = int16_t;
inline constexpr Boolean kTrue = -1;
inline constexpr Boolean kFalse = 0;

// "Leave this value as it is" for each of IndexSet's four values.
inline constexpr float kUnchanged = -6.0f;

enum pInfoGet : int32_t { pVolume = 0, pBalance = 1, pSpeed = 2, pPosition = 3 };

// Class and interface identifiers of the component.
inline constexpr const char* kSoundSysClassId = "{03197EE4-5F42-4673-9D8D-9737F86E7E32}";
inline constexpr const char* kSoundSysInterfaceId = "{3368F52C-BB08-4F1F-BE90-17482D129943}";
inline constexpr const char* kInfoGetEnumId = "{28E5A15E-178D-457B-AA43-A59A48DB514F}";

// Result codes of the entry points.
inline constexpr int32_t kOk = 0;
inline constexpr int32_t kClassNotAvailable = static_cast<int32_t>(0x80040111u);
inline constexpr int32_t kNoInterface = static_cast<int32_t>(0x80004002u);
inline constexpr int32_t kFalseResult = 1;  // DllCanUnloadNow: objects still alive
// TembraMusicPlay / TembraMusicCrossFade: the file cannot be played.
inline constexpr int32_t kMusicNotPlayable = static_cast<int32_t>(0x80004005u);

// A member that fails towards its caller throws this, carrying the code and
// text of the platform's failure.  Everything is inline so that the game,
// which does not link the library, still knows the type; with default
// visibility the type information matches across the dlopen boundary.
class TEMBRA_API SoundError : public std::runtime_error {
  public:
    SoundError(int32_t code, const std::string& text) : std::runtime_error(text), code_(code) {}
    int32_t code() const noexcept { return code_; }

  private:
    int32_t code_;
};

// The SoundSys interface, members in the interface's order.  Arguments are
// taken by reference and only read, as the interface passes them.
class TEMBRA_API _SoundSys {
  public:
    virtual std::string Console() const = 0;
    virtual void Console(std::string value) = 0;
    virtual void FreeMemory(const Boolean& clearStopped) = 0;
    virtual void IndexUnload(const int16_t& sndIndex) = 0;
    virtual float IndexGet(const int16_t& sndIndex, const pInfoGet& infoType) = 0;
    virtual void IndexPlay(const int16_t& sndIndex, const Boolean& loopX,
                           const Boolean& fromStart = kFalse) = 0;
    virtual void IndexStop(const int16_t& sndIndex) = 0;
    virtual void StopAll() = 0;
    virtual void IndexSet(const int16_t& sndIndex, const float& sVolume = kUnchanged,
                          const float& sBalance = kUnchanged, const float& sSpeed = kUnchanged,
                          const float& sPosition = kUnchanged) = 0;
    virtual void IndexDirectLoad(const int16_t& sndIndex, const std::string& File,
                                 const Boolean& Looping, const Boolean& AutoPlay) = 0;
    virtual int16_t IndexLoad(const std::string& File, const Boolean& Looping,
                              const Boolean& AutoPlay) = 0;
    virtual void DsClose() = 0;
    virtual std::string DsInit_PRE() = 0;
    virtual void DsInit(const int16_t& selectedI, const int32_t& winHWND, const Boolean& conLaud,
                        const int16_t& numChannels) = 0;

    // Ends the object's life; the pointer is invalid afterwards.
    virtual void Release() = 0;

  protected:
    virtual ~_SoundSys() = default;
};

// What DllGetClassObject hands out: makes SoundSys objects.
class TEMBRA_API ClassFactory {
  public:
    // A new SoundSys object (release it with Release()), or nullptr when the
    // interface identifier is not the SoundSys one.
    virtual _SoundSys* CreateInstance(const char* interfaceId) = 0;

  protected:
    virtual ~ClassFactory() = default;
};

}  // namespace tembra

extern "C" {
// Makes the class known (a table inside the process; nothing is written to disk).
TEMBRA_API int32_t DllRegisterServer();
// Forgets it again.
TEMBRA_API int32_t DllUnregisterServer();
// Hands out the class factory for classId (only the SoundSys class, only while
// registered) through *factory; kOk or kClassNotAvailable.
TEMBRA_API int32_t DllGetClassObject(const char* classId, const char* interfaceId, void** factory);
// kOk when no SoundSys object is alive, kFalseResult otherwise.
TEMBRA_API int32_t DllCanUnloadNow();
}

// ---- Music ----
//
// One piece of music at a time (two during a cross-fade), streamed from an
// Ogg Vorbis file (44.1 kHz stereo; any file libsndfile reads with one or two
// channels plays) a quarter second at a time, on the output that the last
// successful DsInit opened.  It plays under the library's master gain like
// the cues, at amplitude volume/100 times the duck share, and stops with
// DsClose.  Asked for before DsInit, a piece starts once an output is open.
//
// The game finds these with dlsym like the entry points above;
// decltype(&TembraMusicPlay) and so on give the pointer types.
//
// Threading: every function may be called from any thread, returns at once
// and never decodes: the library's own thread ("tembra-service", running
// while an output is open) keeps the queues full every 50 ms, moves the
// fades along (on the time the output has mixed) and watches the device.
//
// Errors: a missing or damaged file, or one that fails while it plays, means
// no music and exactly one line on the error output (never an exception, a
// crash or a wait); the other functions cannot fail.  Nothing is written to
// the SoundSys Console.
//
// A lost device (headphones pulled, a USB card gone, the sound server
// restarted) is noticed by the same thread: it opens the system's default
// output anew within 2 s and every cue slot and the music go on there (the
// music from within a quarter second of where it was); while no output
// opens, the game plays silently and the library tries again every 2 s.
// This costs a line on the error output when it happens, none per frame.

extern "C" {
// Plays `file` from its start at once, looping when `looping` is non-zero
// (without a gap at the join) or once; whatever played stops at once (use
// TembraMusicCrossFade to fade).  kOk, or kMusicNotPlayable after one line
// on the error output (then whatever played stops too).  A piece played
// once is forgotten at its end.
TEMBRA_API int32_t TembraMusicPlay(const char* file, int32_t looping);
// Fades over to `file` in `fadeMs` milliseconds (0 cuts): the new piece
// rises from silence while what played sinks to silence and stops.  When
// the same file is already the piece that plays, with the same looping,
// nothing happens: it goes on without a restart.  A third piece during a
// cross-fade cuts the oldest.  Results as TembraMusicPlay; when the file
// cannot be played, what played fades out over `fadeMs`.
TEMBRA_API int32_t TembraMusicCrossFade(const char* file, int32_t looping, int32_t fadeMs);
// Fades the music out over `fadeMs` milliseconds (0 stops at once) and
// forgets the piece.
TEMBRA_API void TembraMusicStop(int32_t fadeMs);
// The music's volume, 0 to 100 (values outside are held to the ends), 70
// until set; amplitude volume/100.  Applies at once.  At 0 no stream runs
// (no file is read, no voice is used); the piece asked for is kept and
// starts again from its beginning when the volume rises above 0.
TEMBRA_API void TembraMusicSetVolume(int32_t volume);
TEMBRA_API int32_t TembraMusicVolume();
// Lowers the music to `percent` (0 to 100) of its volume over 0.2 s, e.g. 40
// while the game is paused; TembraMusicDuck(100) brings it back the same way.
// The share stays until changed, across pieces (a new DsInit starts at 100;
// the volume stays as set).
TEMBRA_API void TembraMusicDuck(int32_t percent);
// 1 while a piece is meant to play (asked for and not stopped, not played
// to its end, not failed; also at volume 0), else 0.
TEMBRA_API int32_t TembraMusicPlaying();
}
