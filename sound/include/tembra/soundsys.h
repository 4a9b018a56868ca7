// The public face of the tembra sound library: the SoundSys class as the game
// reaches it, the one exception its members throw, and the four entry points
// the game finds with dlsym after loading libtembra.so.
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
TEMBRA_API int32_t DllGetClassObject(const char* classId, const char* interfaceId,
                                     void** factory);
// kOk when no SoundSys object is alive, kFalseResult otherwise.
TEMBRA_API int32_t DllCanUnloadNow();
}
