#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "game/core/game_state.h"
#include "game/core/sound_component.h"
#include "game/desktop/app_paths.h"
#include "game/play/startup.h"
#include "support/game_test.h"
#include "support/recording_sound.h"

namespace {

using namespace game;

class FakeComponent : public SoundComponent {
  public:
    FakeComponent(std::vector<std::string>& calls, testing_support::RecordingSound& sound)
        : calls_(calls), sound_(sound) {}
    int32_t registerResult = 0;
    int32_t unregisterResult = 0;
    std::optional<int32_t> Register() override {
        calls_.push_back("DllRegisterServer");
        return registerResult;
    }
    std::optional<int32_t> Unregister() override {
        calls_.push_back("DllUnregisterServer");
        return unregisterResult;
    }
    tembra::_SoundSys* CreateSoundSys() override { return &sound_; }
    // The library's music functions, when asked for: each volume set and
    // each stop is written down.
    bool withMusic = false;
    static inline std::vector<int32_t> musicVolumes;
    static inline int musicStops = 0;
    void* Symbol(const char* name) override {
        if (!withMusic) return nullptr;
        const std::string symbol = name;
        if (symbol == "TembraMusicSetVolume")
            return reinterpret_cast<void*>(+[](int32_t volume) { musicVolumes.push_back(volume); });
        if (symbol == "TembraMusicCrossFade")
            return reinterpret_cast<void*>(
                +[](const char*, int32_t, int32_t) { return int32_t{0}; });
        if (symbol == "TembraMusicDuck") return reinterpret_cast<void*>(+[](int32_t) {});
        if (symbol == "TembraMusicStop")
            return reinterpret_cast<void*>(+[](int32_t fadeMs) { musicStops += fadeMs == 0; });
        return nullptr;
    }

  private:
    std::vector<std::string>& calls_;
    testing_support::RecordingSound& sound_;
};

class StartupTest : public testing_support::GameTest {
  protected:
    testing_support::RecordingSound sound;
    FakeComponent* component = nullptr;

    void SetUp() override {
        GameTest::SetUp();
        // The sound object's calls join the windows' list: one order for all.
        sound.sharedCalls = &windows.calls;
        auto c = std::make_unique<FakeComponent>(windows.calls, sound);
        component = c.get();
        SetSoundComponent(std::move(c));
        windows.onCloseMainWindow = [] { ShutDown(); };
    }
    void WriteSettings(const std::string& content) {
        std::ofstream(appFolder / "setup.ini", std::ios::binary) << content;
    }
};

TEST_F(StartupTest, StartsInItsOrderAndGrowsTheBarByForty) {
    WriteSettings("Zvuky=Ano\r\nHlasitost=80\r\nTick=3\r\n");
    ASSERT_TRUE(Main(platform::AppPaths::Portable(appFolder.string()).Places()));
    std::vector<std::string> expected = {"SetBusyCursor(true)",  "LoadBackground(8,gui2)",
                                         "ShowLoadingNotice",    "DllRegisterServer",
                                         "DsInit_PRE",           "DsInit(0,4242,0,32)",
                                         "AdvanceProgress(4)",   "LoadBackground(1,gui)",
                                         "AdvanceProgress(4)",   "LoadBackground(2,gui2)",
                                         "AdvanceProgress(4)",   "LoadBackground(3,gui3)",
                                         "AdvanceProgress(4)",   "LoadBackground(4,gui2)",
                                         "AdvanceProgress(4)",   "LoadBackground(5,gui2)",
                                         "AdvanceProgress(4)",   "LoadBackground(6,gui2)",
                                         "AdvanceProgress(4)",   "LoadBackground(7,gui2)",
                                         "AdvanceProgress(4)",   "LoadSurfaces",
                                         "AdvanceProgress(4)",   "AdvanceProgress(4)",
                                         "SetBusyCursor(false)", "ShowMainMenu"};
    EXPECT_EQ(windows.calls, expected);
    EXPECT_EQ(windows.progressBar, "-" + std::string(40, '-'));
    EXPECT_TRUE(SoundOn);
    EXPECT_EQ(Sound, &sound);
    EXPECT_FLOAT_EQ(Volume, 0.8f);
    EXPECT_EQ(TickDelay, 3);
    EXPECT_EQ(Places.data, appFolder.string() + "/data");
    EXPECT_EQ(Tiles[624].Y, 480);
}

TEST_F(StartupTest, ShutDownRunsInItsOrderOnce) {
    WriteSettings("Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\n");
    ASSERT_TRUE(Main(platform::AppPaths::Portable(appFolder.string()).Places()));
    std::filesystem::create_directories(appFolder / "data/levels");
    std::ofstream(appFolder / "data/levels/level0.sc") << "x";
    std::ofstream(appFolder / "data/levels/level1.sc") << "x";
    windows.calls.clear();

    ShutDown();
    ShutDown();  // a second request changes nothing
    std::vector<std::string> expected = {"FreeSurfaces",        "StopAll",       "DsClose",
                                         "DllUnregisterServer", "UnloadWindows", "Release"};
    EXPECT_EQ(windows.calls, expected);
    EXPECT_TRUE(ShutdownRequested);
    EXPECT_FALSE(std::filesystem::exists(appFolder / "data/levels/level0.sc"));
    EXPECT_FALSE(std::filesystem::exists(appFolder / "data/levels/level1.sc"));
    EXPECT_EQ(Sound, nullptr);
}

TEST_F(StartupTest, AShutDownWhileTheLoadingNoticeTakesEventsIsTheStartUpsLastStep) {
    WriteSettings("Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\n");
    // The notice shows, then its bar grows ten times: the sound device is
    // open from the first growth on.
    for (int signalAt = 0; signalAt <= 10; ++signalAt) {
        ResetGameState();
        windows.calls.clear();
        int events = 0;
        windows.onLoadingNoticeEvents = [&] {
            if (events++ == signalAt) windows.CloseMainWindow();  // as an ending signal does
        };
        ASSERT_TRUE(Main(platform::AppPaths::Portable(appFolder.string()).Places())) << signalAt;
        EXPECT_TRUE(ShutdownRequested) << signalAt;
        // Before the library is registered the shut-down has nothing to
        // close or unregister; after, each thing opened is closed once.
        std::vector<std::string> shutDown = {"CloseMainWindow", "FreeSurfaces", "UnloadWindows"};
        if (signalAt > 0)
            shutDown = {"CloseMainWindow",     "FreeSurfaces",  "StopAll", "DsClose",
                        "DllUnregisterServer", "UnloadWindows", "Release"};
        const auto close = std::find(windows.calls.begin(), windows.calls.end(), "CloseMainWindow");
        EXPECT_EQ(std::vector<std::string>(close, windows.calls.end()), shutDown) << signalAt;
        EXPECT_EQ(windows.CountCalls("DllRegisterServer"), signalAt > 0 ? 1 : 0) << signalAt;
        EXPECT_EQ(windows.CountCalls("DsInit("), signalAt > 0 ? 1 : 0) << signalAt;
        EXPECT_EQ(Sound, nullptr) << signalAt;
    }
}

TEST_F(StartupTest, SoundOffCreatesNoSoundObject) {
    WriteSettings("Zvuky=Ne\r\nHlasitost=100\r\nTick=0\r\n");
    ASSERT_TRUE(Main(platform::AppPaths::Portable(appFolder.string()).Places()));
    EXPECT_FALSE(windows.Called("DsInit_PRE"));
    EXPECT_FALSE(SoundOn);
    windows.calls.clear();
    ShutDown();
    EXPECT_FALSE(windows.Called("StopAll"));
    EXPECT_TRUE(windows.Called("DllUnregisterServer"));
}

TEST_F(StartupTest, TheSoundAndTheMusicsVolumeChangeWhileTheGameRuns) {
    component->withMusic = true;
    FakeComponent::musicVolumes.clear();
    WriteSettings("Zvuky=Ne\r\nHlasitost=100\r\nTick=0\r\nHudba=70\r\n");
    ASSERT_TRUE(Main(platform::AppPaths::Portable(appFolder.string()).Places()));
    struct Step {
        bool soundOn;
        int music;
        bool opensDevice, stopsSounds, stopsMusic;
        std::vector<int32_t> musicVolumes;
    };
    const Step steps[] = {
        {true, 70, true, false, false, {70}},   // switched on: the device opens as at start
        {true, 35, false, false, false, {35}},  // the music's volume alone
        {true, 0, false, false, true, {}},      // no music: its stream stops at once
        {true, 0, false, false, false, {}},     // nothing more to stop
        {true, 50, false, false, false, {50}},  // music again
        {false, 50, false, true, true, {}},     // switched off: every sound stops
        {false, 20, false, false, false, {}},   // the music's volume kept for later
        {true, 20, false, false, false, {20}},  // on again on the open device
    };
    for (const Step& step : steps) {
        windows.calls.clear();
        FakeComponent::musicVolumes.clear();
        FakeComponent::musicStops = 0;
        ApplySound(step.soundOn, step.music);
        EXPECT_EQ(SoundOn, step.soundOn) << step.music;
        EXPECT_EQ(windows.Called("DsInit_PRE"), step.opensDevice) << step.music;
        EXPECT_EQ(windows.Called("StopAll"), step.stopsSounds) << step.music;
        EXPECT_EQ(FakeComponent::musicStops, step.stopsMusic ? 1 : 0) << step.music;
        EXPECT_EQ(FakeComponent::musicVolumes, step.musicVolumes) << step.music;
    }
    // Switched off, the open device is still closed at the end.
    ApplySound(false, 20);
    windows.calls.clear();
    ShutDown();
    EXPECT_TRUE(windows.Called("DsClose"));
    EXPECT_EQ(Sound, nullptr);
}

TEST_F(StartupTest, AMachineWithoutSoundStartsSilently) {
    WriteSettings("Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\n");
    sound.devices = "";
    ASSERT_TRUE(Main(platform::AppPaths::Portable(appFolder.string()).Places()));
    EXPECT_FALSE(SoundOn);
    EXPECT_EQ(Sound, nullptr);
    EXPECT_FALSE(windows.Called("DsInit(0,4242,0,32)"));

    ResetGameState();
    sound.devices = "Device A";
    sound.failInit = true;
    ASSERT_TRUE(Main(platform::AppPaths::Portable(appFolder.string()).Places()));
    EXPECT_FALSE(SoundOn);
    EXPECT_EQ(Sound, nullptr);
}

TEST_F(StartupTest, AFailedRegistrationSaysSoAndShutsDown) {
    component->registerResult = 5;
    EXPECT_FALSE(Main(platform::AppPaths::Portable(appFolder.string()).Places()));
    ASSERT_EQ(windows.messageBoxes.size(), 1u);
    EXPECT_EQ(windows.messageBoxes[0].first, "Chyba během načítání!");
    EXPECT_TRUE(windows.Called("UnloadWindows"));
    EXPECT_FALSE(windows.Called("LoadSurfaces"));
}

TEST_F(StartupTest, AFailedUnregistrationSaysSoAndStillEnds) {
    ASSERT_TRUE(Main(platform::AppPaths::Portable(appFolder.string()).Places()));
    component->unregisterResult = 1;
    ShutDown();
    ASSERT_EQ(windows.messageBoxes.size(), 1u);
    EXPECT_EQ(windows.messageBoxes[0].first, "Chyba při čištění paměti!");
    EXPECT_TRUE(windows.Called("UnloadWindows"));
}

TEST_F(StartupTest, AMissingPictureNamesTheFileAndStops) {
    windows.failingPictures[appFolder.string() + "/data/obr/gui3"] = true;
    EXPECT_FALSE(Main(platform::AppPaths::Portable(appFolder.string()).Places()));
    ASSERT_EQ(windows.messageBoxes.size(), 1u);
    EXPECT_NE(windows.messageBoxes[0].first.find("data/obr/gui3"), std::string::npos);
    EXPECT_FALSE(windows.Called("ShowMainMenu"));
}

TEST_F(StartupTest, AMissingSheetNamesTheFileAndStops) {
    windows.surfacesLoad = false;
    EXPECT_FALSE(Main(platform::AppPaths::Portable(appFolder.string()).Places()));
    ASSERT_EQ(windows.messageBoxes.size(), 1u);
    EXPECT_NE(windows.messageBoxes[0].first.find("sc1"), std::string::npos);
    EXPECT_FALSE(windows.Called("ShowMainMenu"));
}

TEST_F(StartupTest, WithoutTheLibraryTheGameStartsSilently) {
    SetSoundComponent(LoadSoundComponent((appFolder / "nowhere").string()));
    WriteSettings("Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\n");
    ASSERT_TRUE(Main(platform::AppPaths::Portable(appFolder.string()).Places()));
    EXPECT_FALSE(SoundOn);
    EXPECT_TRUE(windows.messageBoxes.empty());
    ShutDown();
    EXPECT_TRUE(windows.messageBoxes.empty());
}

}  // namespace
