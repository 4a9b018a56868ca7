// The pad layer itself with virtual pads: which pad drives when two are
// plugged in, and mappings given in SDL_GAMECONTROLLERCONFIG.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "game/desktop/gamepad.h"
#include "game/platform/keys.h"
#include "gamepad/virtual_pad.h"

namespace {

using namespace platform;

// Records the keys as "+17", "-17" (press, release) in the play layout.
class RecordingReceiver : public PadKeyReceiver {
  public:
    PadLayout LayoutNow() override { return PadLayout::Play; }
    void PadKeyDown(int16_t keyCode, bool autoRepeat) override {
        if (!autoRepeat) keys.push_back("+" + std::to_string(keyCode));
    }
    void PadKeyUp(int16_t keyCode) override { keys.push_back("-" + std::to_string(keyCode)); }
    std::vector<std::string> keys;
};

std::string Down(int16_t keyCode) {
    return "+" + std::to_string(keyCode);
}
std::string Up(int16_t keyCode) {
    return "-" + std::to_string(keyCode);
}

TEST(PadLayerTest, SigtermAndSigintStillEndTheGame) {
    RecordingReceiver receiver;
    Gamepad layer(receiver);
    ASSERT_TRUE(layer.Started());
    for (int signal : {SIGTERM, SIGINT}) {
        struct sigaction action {};
        ASSERT_EQ(sigaction(signal, nullptr, &action), 0);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << "SDL took signal " << signal;
    }
}

TEST(PadLayerTest, TheFirstPadTouchedDrivesUntilItIsPulledOut) {
    RecordingReceiver receiver;
    Gamepad layer(receiver);
    ASSERT_TRUE(layer.Started());
    gamepad_testing::VirtualPad first, second;
    std::string why;
    if (!first.Plug(&why)) GTEST_SKIP() << "SDL cannot attach a virtual pad: " << why;
    ASSERT_TRUE(second.Plug(&why)) << why;
    layer.Poll();
    ASSERT_EQ(layer.PadCount(), 2);
    EXPECT_FALSE(layer.Driving());

    second.Button(SDL_CONTROLLER_BUTTON_B, true);
    layer.Poll();
    EXPECT_TRUE(layer.Driving());
    first.Button(SDL_CONTROLLER_BUTTON_A, true);  // not the driving pad
    layer.Poll();
    EXPECT_EQ(receiver.keys, (std::vector<std::string>{Down(vk::Space)}));

    // Pulled out, the driving pad lets go of its bomb button; the other
    // pad takes over as soon as it is used, with what it holds by then.
    second.Unplug();
    layer.Poll();
    EXPECT_EQ(layer.PadCount(), 1);
    EXPECT_FALSE(layer.Driving());
    first.Button(SDL_CONTROLLER_BUTTON_X, true);
    layer.Poll();
    EXPECT_EQ(receiver.keys, (std::vector<std::string>{Down(vk::Space), Up(vk::Space),
                                                       Down(vk::Control), Down(vk::Space)}));
}

TEST(PadLayerTest, AMappingFromTheEnvironmentMakesAJoystickAPad) {
    // The joystick's identity, learnt from SDL before the layer starts.
    std::string guid;
    {
        RecordingReceiver receiver;
        Gamepad layer(receiver);
        ASSERT_TRUE(layer.Started());
        gamepad_testing::VirtualPad joystick;
        std::string why;
        if (!joystick.PlugJoystick(4, &why))
            GTEST_SKIP() << "SDL cannot attach a virtual joystick: " << why;
        layer.Poll();
        EXPECT_EQ(layer.PadCount(), 0) << "SDL knows no mapping for it by itself";
        guid = joystick.Guid();
    }
    // Its button 3 is A, button 0 is B.
    const std::string mapping =
        guid + ",Karvelun test joystick,a:b3,b:b0,x:b1,y:b2," + "leftx:a0,lefty:a1,platform:Linux,";
    ASSERT_EQ(setenv("SDL_GAMECONTROLLERCONFIG", mapping.c_str(), 1), 0);
    // Gone again however the test ends, so that no later test sees it.
    struct Unset {
        ~Unset() { unsetenv("SDL_GAMECONTROLLERCONFIG"); }
    } unset;
    RecordingReceiver receiver;
    auto layer = std::make_unique<Gamepad>(receiver);
    gamepad_testing::VirtualPad joystick;
    std::string why;
    ASSERT_TRUE(joystick.PlugJoystick(4, &why)) << why;
    layer->Poll();
    EXPECT_EQ(layer->PadCount(), 1);
    joystick.Button(3, true);
    joystick.Axis(0, 32767);
    layer->Poll();
    EXPECT_EQ(receiver.keys, (std::vector<std::string>{Down(vk::Right), Down(vk::Control)}));
    joystick.Unplug();
    layer.reset();
}

}  // namespace
