// The cost of one frame on a busy level: every tile revealed, 30 monsters,
// 40 items, 16 bomb fragments, 10 explosions and 20 floating texts.
//
//   ComposeFrame     the pictures of a frame on the play field's surface
//   DrawFrame        the game window's drawing: composing, printing the
//                    floating texts and the refresh of the field
//   FrameStep        a whole frame after its idle passes (the frame loop's
//                    steps, drawing included)
//   FrameWithIdle    the same with its one idle pass
//
// The game window runs on Qt's offscreen platform and without pacing, so the
// figures are the work alone, never the wait for the display.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <string>

#include "core/synthetic_sheets.h"
#include "game/core/drawing.h"
#include "game/core/form1.h"
#include "game/core/frame_loop.h"
#include "game/core/game_state.h"
#include "game/core/window_set.h"
#include "game/platform/pacing.h"
#include "game/platform/random.h"
#include "game/platform/surface.h"
#include "game/world/world_effects.h"

namespace {

using namespace game;

// Puts the living things back where a frame's ageing found them, so that
// every measured frame draws the same busy level.
void RefreshBusyLevel() {
    for (int i = 0; i < ExplosionCount; ++i)
        Explosions[i].Frame = static_cast<int16_t>(i % 10);
    for (int i = 0; i < FloatTextCount; ++i) {
        FloatTexts[i].Age = 0;
        FloatTexts[i].Y = static_cast<float>(30 + 20 * i);
    }
}

void BuildBusyLevel() {
    ResetGameState();
    InitTileCoordinates();
    platform::Randomize(7);
    ResetHero();
    for (int t = 0; t < kTileCount; ++t) {
        Tiles[t].Revealed = kTrue;
        Tiles[t].Picture = static_cast<int16_t>(1 + t % 30);
    }
    for (int i = 0; i < 30; ++i) {
        int16_t m = AppendEntry(Monsters, MonsterCount);
        Monsters[m].X = 20.0f + 15.3f * i;
        Monsters[m].Y = 40.0f + 11.7f * (i % 9);
        Monsters[m].Picture = static_cast<int16_t>(i % 8);
    }
    for (int i = 0; i < 40; ++i) {
        int16_t k = AppendEntry(Items, ItemCount);
        // Away from the hero (bottom rows), so none is picked up.
        Items[k] = Item{static_cast<int16_t>(12 * i), static_cast<int16_t>(200 + 5 * (i % 7)),
                        static_cast<int16_t>(i % 12), 0};
    }
    for (int i = 0; i < 16; ++i) {
        int16_t f = AppendEntry(Fragments, FragmentCount);
        Fragments[f].X = Fragments[f].StartX = 250.0f + 20.0f * (i % 4);
        Fragments[f].Y = Fragments[f].StartY = 250.0f + 20.0f * (i / 4);
    }
    for (int i = 0; i < 10; ++i)
        AddExplosion(static_cast<int16_t>(40 + 45 * i), 300);
    for (int i = 0; i < 20; ++i)
        AddFloatText(50.0f + 20.0f * (i % 10), 50.0f + 20.0f * i, std::to_string(i * 7) + "+",
                     Rgb(255, 255, 0));
    BombArmed = true;
    BombX = 200;
    BombY = 420;
    RefreshBusyLevel();
}

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

void FrameStep(benchmark::State& state) {
    BusyGame game;
    FrameLoop& loop = game.windows.form1().Loop;
    for (auto _ : state) {
        loop.RunFrame();
        RefreshBusyLevel();
    }
    state.counters["monsters"] = MonsterCount;
    state.counters["items"] = ItemCount;
    state.counters["explosions"] = ExplosionCount;
    state.counters["texts"] = FloatTextCount;
}
BENCHMARK(FrameStep)->Unit(benchmark::kMicrosecond);

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
