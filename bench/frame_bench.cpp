// The cost of one frame on the busy level of tests/support/busy_level.h.
//
//   ComposeFrame     the pictures of a frame on the play field's surface
//   DrawFrame        the game window's drawing: composing, printing the
//                    floating texts and the refresh of the field
//   DrawFrameHurtAtLowLives
//                    the same with the hero's red flash and the red edge of
//                    low lives
//   DrawFrameFullScreen
//                    DrawFrame with the game window filling the screen
//   DrawFrameUnderALayer
//                    the same with a notice open over the field, as a layer
//                    of the game window over the dimmed scene
//   FrameStep        a whole frame after its idle passes (the frame loop's
//                    steps, drawing included)
//   FrameWithIdle    the same with its one idle pass
//   RulesStep        the frame step's rules alone, with the silent windows
//   LogLine          one line added to the game window's message log
//
// The game window runs on Qt's offscreen platform and without pacing, so the
// figures are the work alone, never the wait for the display.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "game/core/drawing.h"
#include "game/core/game_state.h"
#include "game/core/health_signs.h"
#include "game/core/messages.h"
#include "game/desktop/pacing.h"
#include "game/desktop/view.h"
#include "game/platform/surface.h"
#include "game/play/frame_loop.h"
#include "game/windows/game_window.h"
#include "game/windows/notice_window.h"
#include "game/windows/window_set.h"
#include "support/busy_level.h"
#include "support/synthetic_sheets.h"

namespace {

using namespace game;

using testing_support::BuildBusyLevel;
using testing_support::RefreshBusyLevel;

void ComposeFrame(benchmark::State& state) {
    testing_support::InstallSyntheticSheets();
    BuildBusyLevel();
    platform::PixelSurface field(kFieldSize, kFieldSize);
    for (auto _ : state) {
        game::ComposeFrame(field);
        benchmark::DoNotOptimize(field.pixels.data());
    }
    testing_support::RemoveSyntheticSheets();
}
BENCHMARK(ComposeFrame)->Unit(benchmark::kMicrosecond);

// The real windows, the game window shown on the offscreen platform.
class BusyGame {
  public:
    BusyGame() {
        SetWindows(&windows);
        testing_support::InstallSyntheticSheets();
        windows.form1().show();
        BuildBusyLevel();
    }
    ~BusyGame() {
        testing_support::RemoveSyntheticSheets();
        SetWindows(nullptr);
    }
    WindowSet windows;
};

void DrawFrame(benchmark::State& state) {
    BusyGame game;
    for (auto _ : state)
        game.windows.DrawFrame();
}
BENCHMARK(DrawFrame)->Unit(benchmark::kMicrosecond);

// The same frame at its costliest for the health signs: the hero just hurt
// (red) and his lives low enough for the red edge round the field.
void DrawFrameHurtAtLowLives(benchmark::State& state) {
    BusyGame game;
    MaxLives = 20;
    HealthSigns& signs = CurrentHealthSigns();
    signs.Forget();
    signs.Follow(3, MaxLives, false, 0);
    signs.Follow(2, MaxLives, false, 10);
    for (auto _ : state)
        game.windows.DrawFrame();
    state.counters["edge"] = signs.Look().edgeAlpha;
    state.counters["flash"] = signs.Look().hurtFlash;
    signs.Forget();
}
BENCHMARK(DrawFrameHurtAtLowLives)->Unit(benchmark::kMicrosecond);

void DrawFrameFullScreen(benchmark::State& state) {
    BusyGame game;
    platform::View::Instance().SetFullScreen(true);
    QApplication::processEvents();
    for (auto _ : state)
        game.windows.DrawFrame();
    state.counters["scale"] = game.windows.form1().Placement().Factor();
    platform::View::Instance().SetFullScreen(false);
}
BENCHMARK(DrawFrameFullScreen)->Unit(benchmark::kMicrosecond);

void DrawFrameUnderALayer(benchmark::State& state) {
    BusyGame game;
    platform::View::Instance().SetFullScreen(true);
    QApplication::processEvents();
    Form2& notice = game.windows.form2();
    notice.Label1->setText(QStringLiteral("Vítej v jeskyni."));
    notice.show();
    QApplication::processEvents();
    if (!notice.IsLayer()) state.SkipWithError("the notice is not a layer of the game window");
    for (auto _ : state)
        game.windows.DrawFrame();
    state.counters["scale"] = game.windows.form1().Placement().Factor();
    notice.hide();
    platform::View::Instance().SetFullScreen(false);
}
BENCHMARK(DrawFrameUnderALayer)->Unit(benchmark::kMicrosecond);

void FrameStep(benchmark::State& state) {
    BusyGame game;
    FrameLoop& loop = game.windows.form1().Loop;
    for (auto _ : state) {
        loop.RunFrame();
        RefreshBusyLevel();
    }
    state.counters["monsters"] = MonsterCount;
    state.counters["items"] = ItemCount;
    state.counters["missiles"] = MissileCount;
    state.counters["fragments"] = FragmentCount;
    state.counters["explosions"] = ExplosionCount;
    state.counters["texts"] = FloatTextCount;
}
BENCHMARK(FrameStep)->Unit(benchmark::kMicrosecond);

// The same frame step with the silent stand-in windows: the world's rules
// alone (movement, tile events, projectiles, combat, pick-ups, ageing),
// without drawing, the log box and the status panel.
void RulesStep(benchmark::State& state) {
    SetWindows(nullptr);
    BuildBusyLevel();
    FrameLoop loop;
    for (auto _ : state) {
        loop.RunFrame();
        RefreshBusyLevel();
    }
}
BENCHMARK(RulesStep)->Unit(benchmark::kMicrosecond);

void FrameWithIdle(benchmark::State& state) {
    BusyGame game;
    FrameLoop& loop = game.windows.form1().Loop;
    for (auto _ : state) {
        Windows().ProcessEvents();
        loop.RunFrame();
        RefreshBusyLevel();
    }
}
BENCHMARK(FrameWithIdle)->Unit(benchmark::kMicrosecond);

// One line of the story added to the real log, as combat adds them; the log
// empties itself at its limit, so every length of log up to it is measured.
void LogLine(benchmark::State& state) {
    BusyGame game;
    for (auto _ : state)
        AddLogLine("Kostlivec tě zasáhl za 12 životů a ty jsi ho zasáhl za 7 životů!");
}
BENCHMARK(LogLine)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platform::SetPacingEnabled(false);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
