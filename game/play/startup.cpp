#include "game/play/startup.h"

#include <cstdio>
#include <memory>

#include "game/core/access_settings.h"
#include "game/core/game_state.h"
#include "game/core/music_director.h"
#include "game/core/play_observer.h"
#include "game/core/settings.h"
#include "game/core/sound_component.h"
#include "game/core/terminal.h"
#include "game/core/windows.h"
#include "game/levels/current_campaign.h"
#include "game/levels/save_commit.h"
#include "game/levels/save_folder_writer.h"
#include "game/levels/working_levels.h"
#include "game/platform/random.h"
#include "game/platform/shown_text.h"

namespace game {
namespace {

constexpr const char* kProgramTitle = "Karvelun";
constexpr const char* kPictureMissingPattern = SHOWN_TEXT("Rules", "Nelze načíst obrázek %1.");
bool shutDownDone = false;
// DllRegisterServer succeeded: the shut-down unregisters what was
// registered, and only that.
bool libraryRegistered = false;
// The sound library's music while the sound is on and the music above 0.
std::unique_ptr<MusicSink> librarySink;
// The player switched the sound off while the device was open: it stays
// open, silent, until he switches it on again or the game ends.
bool soundSilenced = false;

bool LoadBackgroundOrFail(Form form, const std::string& name) {
    std::string path = Places.data + "/obr/" + name;
    if (Windows().LoadBackground(form, path)) return true;
    Windows().ShowMessageBox(NamedText(kPictureMissingPattern, path), kProgramTitle);
    return false;
}

// The library's stream stops at once: dropping the sink alone would leave
// the piece playing, and deaf to every later change of place.
void StopMusic() {
    Music().SetSink(nullptr);
    if (!librarySink) return;
    librarySink.reset();
    if (SoundComponent* component = CurrentSoundComponent()) StopLibraryMusic(*component);
}

void ReleaseSound() {
    StopMusic();
    if (Sound) {
        Sound->Release();
        Sound = nullptr;
    }
}

}  // namespace

bool RegisterSoundLibrary() {
    SoundComponent* component = CurrentSoundComponent();
    if (!component) return true;
    auto result = component->Register();
    libraryRegistered = result && *result == 0;
    if (result && *result != 0) {
        Windows().ShowMessageBox(SHOWN_TEXT("Message", "Chyba během načítání!"), kProgramTitle);
        Windows().CloseMainWindow();
        return false;
    }
    return true;
}

void StartSound() {
    SoundComponent* component = CurrentSoundComponent();
    Sound = component ? component->CreateSoundSys() : nullptr;
    if (!Sound) {
        Tell(SHOWN_TEXT("Terminal", "Zvuková knihovna chybí, hra poběží bez zvuku"));
        return;
    }
    try {
        std::string devices = Sound->DsInit_PRE();
        if (devices.empty()) {
            Tell(SHOWN_TEXT("Terminal", "Žádné zvukové zařízení, hra poběží bez zvuku"));
            ReleaseSound();
            return;
        }
        Sound->DsInit(0, Windows().MainWindowHandle(), tembra::kFalse, 32);
    } catch (const tembra::SoundError& e) {
        Tell(SHOWN_TEXT("Terminal", "Zvukové zařízení nelze otevřít (%1), hra poběží bez zvuku"),
             {e.what()});
        ReleaseSound();
        return;
    }
    SoundOn = true;
}

void StartMusic(int volume) {
    SoundComponent* component = CurrentSoundComponent();
    if (!SoundOn || !Sound || !component || volume <= 0) return;
    librarySink = MakeLibraryMusicSink(*component, Places.data, volume);
    Music().SetSink(librarySink.get());
}

void ApplySound(bool soundOn, int musicVolume) {
    if (!soundOn) {
        if (!SoundOn) return;
        StopMusic();
        try {
            Sound->StopAll();
        } catch (const tembra::SoundError& e) {
            Tell(SHOWN_TEXT("Terminal", "Zvuky se nepodařilo zastavit (%1)"), {e.what()});
        }
        SoundOn = false;
        soundSilenced = true;
        return;
    }
    if (!SoundOn) {
        if (soundSilenced && Sound) {
            SoundOn = true;
            soundSilenced = false;
        } else {
            StartSound();
        }
        StartMusic(musicVolume);
        return;
    }
    SoundComponent* component = CurrentSoundComponent();
    if (musicVolume <= 0)
        StopMusic();
    else if (!librarySink || !component || !SetLibraryMusicVolume(*component, musicVolume))
        StartMusic(musicVolume);
}

void UnregisterSoundLibrary() {
    SoundComponent* component = CurrentSoundComponent();
    if (!component || !libraryRegistered) return;
    libraryRegistered = false;
    auto result = component->Unregister();
    if (result && *result != 0)
        Windows().ShowMessageBox(SHOWN_TEXT("Message", "Chyba při čištění paměti!"), kProgramTitle);
}

bool Main(const FilePlaces& places) {
    return Main(places, ReadSettings(places.settingsFile));
}

bool Main(const FilePlaces& places, const Settings& settings,
          const std::function<bool()>& beforeMenu) {
    GameWindows& windows = Windows();
    shutDownDone = false;
    ShutdownRequested = false;
    soundSilenced = false;

    windows.SetBusyCursor(true);
    Places = places;
    PlayBuiltInCampaign();
    platform::RandomizeFromClock();
    if (!LoadBackgroundOrFail(Form::Progress, "gui2")) return false;
    windows.ShowLoadingNotice();
    // The notice takes events: a signal heard there has run the shut-down,
    // and nothing more may start (no device opened, no sheet loaded after
    // it, no menu).
    if (ShutdownRequested) return true;

    if (!RegisterSoundLibrary()) return false;

    if (settings.soundOn) {
        StartSound();
        StartMusic(settings.music);
    }
    Volume = settings.volume;
    TickDelay = settings.tickDelay;
    CornerSlideOn = settings.cornerHelp;
    ChosenDifficulty = settings.difficulty;
    Access = settings.access;
    SetActiveKeyBindings(settings.keys);
    windows.AdvanceProgress(4);
    if (ShutdownRequested) return true;

    static constexpr struct {
        Form form;
        const char* picture;
    } kBackgrounds[] = {{Form::Game, "gui"},     {Form::Notice, "gui2"},   {Form::Menu, "gui3"},
                        {Form::Credits, "gui2"}, {Form::Question, "gui2"}, {Form::Load, "gui2"},
                        {Form::Save, "gui2"}};
    for (const auto& background : kBackgrounds) {
        if (!LoadBackgroundOrFail(background.form, background.picture)) return false;
        windows.AdvanceProgress(4);
        if (ShutdownRequested) return true;
    }

    std::string failedPath;
    if (!windows.LoadSurfaces(&failedPath)) {
        windows.ShowMessageBox(NamedText(kPictureMissingPattern, failedPath), kProgramTitle);
        return false;
    }
    windows.AdvanceProgress(4);
    if (ShutdownRequested) return true;

    InitTileCoordinates();
    // A save that a crash cut short is finished or undone before the save
    // lists are read.
    SettleInterruptedSave();
    // Campaign packs that do not read are told once, here.
    FindPlayablePacks(stderr);
    windows.AdvanceProgress(4);
    if (ShutdownRequested) return true;

    windows.SetBusyCursor(false);
    if (!beforeMenu || !beforeMenu()) windows.ShowMainMenu();
    return true;
}

void ShutDown() {
    if (shutDownDone) return;
    shutDownDone = true;
    // An autosave still being written lands before the program goes.
    WaitForSaveFolder();
    // A game still under way is left here.
    if (PlayObserver* observer = CurrentPlayObserver()) observer->GameEnds(GameEnd::Left);
    ShutdownRequested = true;

    ClearWorkingLevels();
    Windows().FreeSurfaces();
    StopMusic();
    if ((SoundOn || soundSilenced) && Sound) {
        try {
            Sound->StopAll();
            Sound->DsClose();
        } catch (const tembra::SoundError& e) {
            Tell(SHOWN_TEXT("Terminal", "Zvukové zařízení se nepodařilo zavřít (%1)"), {e.what()});
        }
    }
    UnregisterSoundLibrary();
    Windows().UnloadWindows();
    ReleaseSound();
}

}  // namespace game
