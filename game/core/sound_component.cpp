#include "game/core/sound_component.h"

#include <dlfcn.h>

#include <utility>

namespace game {
namespace {

class LibraryComponent final : public SoundComponent {
  public:
    explicit LibraryComponent(const std::string& path) {
        handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle_) return;
        register_ = reinterpret_cast<EntryPoint>(dlsym(handle_, "DllRegisterServer"));
        unregister_ = reinterpret_cast<EntryPoint>(dlsym(handle_, "DllUnregisterServer"));
        getClassObject_ = reinterpret_cast<GetClassObject>(dlsym(handle_, "DllGetClassObject"));
    }
    // The library stays loaded to the end of the process: objects and
    // exceptions that came from it may outlive this handle.
    ~LibraryComponent() override = default;

    std::optional<int32_t> Register() override {
        if (!register_) return std::nullopt;
        return register_();
    }
    std::optional<int32_t> Unregister() override {
        if (!unregister_) return std::nullopt;
        return unregister_();
    }
    tembra::_SoundSys* CreateSoundSys() override {
        if (!getClassObject_) return nullptr;
        void* factory = nullptr;
        if (getClassObject_(tembra::kSoundSysClassId, tembra::kSoundSysInterfaceId, &factory) !=
                tembra::kOk ||
            !factory)
            return nullptr;
        return static_cast<tembra::ClassFactory*>(factory)->CreateInstance(
            tembra::kSoundSysInterfaceId);
    }

    void* Symbol(const char* name) override { return handle_ ? dlsym(handle_, name) : nullptr; }

  private:
    using EntryPoint = int32_t (*)();
    using GetClassObject = int32_t (*)(const char*, const char*, void**);
    void* handle_ = nullptr;
    EntryPoint register_ = nullptr;
    EntryPoint unregister_ = nullptr;
    GetClassObject getClassObject_ = nullptr;
};

class LibraryMusicSink final : public MusicSink {
  public:
    LibraryMusicSink(decltype(&TembraMusicCrossFade) crossFade, decltype(&TembraMusicDuck) duck,
                     std::string dataFolder)
        : crossFade_(crossFade), duck_(duck), dataFolder_(std::move(dataFolder)) {}

    void CrossFade(const MusicPiece& piece, int fadeMs) override {
        crossFade_(MusicFile(dataFolder_, piece).c_str(), piece.loops ? 1 : 0, fadeMs);
    }
    void Duck(int percent) override { duck_(percent); }

  private:
    decltype(&TembraMusicCrossFade) crossFade_;
    decltype(&TembraMusicDuck) duck_;
    std::string dataFolder_;
};

std::unique_ptr<SoundComponent>& Current() {
    static std::unique_ptr<SoundComponent> component;
    return component;
}

}  // namespace

std::unique_ptr<SoundComponent> LoadSoundComponent(const std::string& folder) {
    return LoadSoundComponentFile(folder + "/libtembra.so");
}

std::unique_ptr<SoundComponent> LoadSoundComponentFile(const std::string& libraryFile) {
    return std::make_unique<LibraryComponent>(libraryFile);
}

std::unique_ptr<MusicSink> MakeLibraryMusicSink(SoundComponent& component,
                                                const std::string& dataFolder, int volume) {
    auto crossFade =
        reinterpret_cast<decltype(&TembraMusicCrossFade)>(component.Symbol("TembraMusicCrossFade"));
    auto duck = reinterpret_cast<decltype(&TembraMusicDuck)>(component.Symbol("TembraMusicDuck"));
    auto setVolume =
        reinterpret_cast<decltype(&TembraMusicSetVolume)>(component.Symbol("TembraMusicSetVolume"));
    if (!crossFade || !duck || !setVolume) return nullptr;
    setVolume(volume);
    return std::make_unique<LibraryMusicSink>(crossFade, duck, dataFolder);
}

bool SetLibraryMusicVolume(SoundComponent& component, int volume) {
    auto setVolume =
        reinterpret_cast<decltype(&TembraMusicSetVolume)>(component.Symbol("TembraMusicSetVolume"));
    if (!setVolume) return false;
    setVolume(volume);
    return true;
}

bool StopLibraryMusic(SoundComponent& component) {
    auto stop = reinterpret_cast<decltype(&TembraMusicStop)>(component.Symbol("TembraMusicStop"));
    if (!stop) return false;
    stop(0);
    return true;
}

SoundComponent* CurrentSoundComponent() {
    return Current().get();
}
void SetSoundComponent(std::unique_ptr<SoundComponent> component) {
    Current() = std::move(component);
}

}  // namespace game
