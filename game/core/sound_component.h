// The sound library as the game reaches it: a shared library loaded at run
// time by its full path (beside the program, or in the installed library
// folder).  A missing library means a silent game.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

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
};

// The real thing: dlopen of libtembra.so from the given folder.
std::unique_ptr<SoundComponent> LoadSoundComponent(const std::string& folder);
// The same from the library's full path.
std::unique_ptr<SoundComponent> LoadSoundComponentFile(const std::string& libraryFile);

// The component the start-up uses (tests put their own in place).
SoundComponent* CurrentSoundComponent();
void SetSoundComponent(std::unique_ptr<SoundComponent> component);

}  // namespace game
