// The sound library as the game reaches it: a shared library loaded at run
// time by its full path (beside the program, or in the installed library
// folder).  A missing library means a silent game.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "game/core/music_director.h"
#include "tembra/soundsys.h"

namespace game {

class SoundComponent {
  public:
    virtual ~SoundComponent() = default;
    // DllRegisterServer; nothing when the library could not be loaded.
    virtual std::optional<int32_t> Register() = 0;
    // DllUnregisterServer; nothing when the library was never loaded.
    virtual std::optional<int32_t> Unregister() = 0;
    // A new SoundSys object, or nullptr when the class is not available.
    virtual tembra::_SoundSys* CreateSoundSys() = 0;
    // An exported function of the library by name (the music's), or null.
    virtual void* Symbol(const char* /*name*/) { return nullptr; }
};

// The real thing: dlopen of libtembra.so from the given folder.
std::unique_ptr<SoundComponent> LoadSoundComponent(const std::string& folder);
// The same from the library's full path.
std::unique_ptr<SoundComponent> LoadSoundComponentFile(const std::string& libraryFile);

// The music through the component's music functions, the pieces found in
// dataFolder, at the given volume (0 to 100).  Null when the library lacks
// them.  A piece that does not play costs one line on the error output
// (the library's) and leaves silence.
std::unique_ptr<MusicSink> MakeLibraryMusicSink(SoundComponent& component,
                                                const std::string& dataFolder, int volume);

// The music's volume (0 to 100) changed while it plays; false when the
// library lacks the function.
bool SetLibraryMusicVolume(SoundComponent& component, int volume);
// The music stream stopped at once (the piece forgotten); false when the
// library lacks the function.
bool StopLibraryMusic(SoundComponent& component);

// The component the start-up uses (tests put their own in place).
SoundComponent* CurrentSoundComponent();
void SetSoundComponent(std::unique_ptr<SoundComponent> component);

}  // namespace game
