// The cost of showing one play-field frame at the view's scales 1 to 4.
//
//   EnlargeWholeFrame   the whole 500 x 500 frame enlarged into its
//                       500s x 500s copy, nothing else (the scaler's worst
//                       case: a frame that differs everywhere)
//   FillWholeFrame      a whole frame filled sharp to 1280 x 800's factor
//                       (the play field, and the whole game window)
//   PresentNewFrame     the game window showing a frame that differs from
//                       the last one everywhere (a level change): enlarging
//                       and repainting the whole field
//   EnlargePlayFrame    a frame of play brought into the enlarged copy: a
//                       revealed level of tiles with 30 monsters, the hero,
//                       4 missiles and 20 floating texts moving a step each
//                       frame; only the cells that changed are enlarged
//   PresentPlayFrame    the game window showing such a frame: the same, and
//                       the changed cells repainted
//
// The presenting figures take scales 1 to 4 in a window and, as "5", the
// full screen of a 1280 x 800 handheld filled at 800 / 516.
//
// The game window runs on Qt's offscreen platform, so the repaint is the
// copy into the window's backing store; sending it to a display is the
// window system's work and not counted.  The presenting figures count the
// processor time of the whole process: Qt may hand large copies to helper
// threads.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdlib>
#include <random>
#include <vector>

#include "game/core/game_state.h"
#include "game/desktop/view.h"
#include "game/platform/pixel_scaler.h"
#include "game/windows/game_window.h"
#include "tests/support/offscreen_screen.h"

namespace {

constexpr int kSide = 500;

QImage Noise(unsigned seed) {
    std::mt19937 random(seed);
    QImage image(kSide, kSide, QImage::Format_RGB32);
    for (int y = 0; y < kSide; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
        for (int x = 0; x < kSide; ++x)
            row[x] = 0xFF000000u | (random() & 0xFFFFFFu);
    }
    return image;
}

// A level's worth of 20 x 20 tiles, each a little picture of its own.
QImage Level() {
    QImage image(kSide, kSide, QImage::Format_RGB32);
    std::mt19937 random(11);
    for (int ty = 0; ty < 25; ++ty)
        for (int tx = 0; tx < 25; ++tx) {
            const uint32_t base = 0xFF000000u | (random() & 0x3F3F3Fu);
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < 20; ++x)
                    image.setPixel(tx * 20 + x, ty * 20 + y, base + ((x * y) & 0x0F));
        }
    return image;
}

struct Mover {
    int x, y, w, h, dx, dy;
    uint32_t colour;
};

// Things that move over the level, as a busy frame of play has them.
class Play {
  public:
    Play() : level_(Level()), frame_(level_.copy()) {
        std::mt19937 random(5);
        auto add = [&](int count, int w, int h, int speed) {
            for (int i = 0; i < count; ++i)
                movers_.push_back({static_cast<int>(random() % (kSide - w)),
                                   static_cast<int>(random() % (kSide - h)), w, h,
                                   static_cast<int>(random() % 3) - 1 + speed,
                                   static_cast<int>(random() % 3) - 1,
                                   static_cast<uint32_t>(0xFF000000u | (random() & 0xFFFFFFu))});
        };
        add(30, 15, 15, 0);  // monsters
        add(1, 15, 15, 1);   // the hero
        add(4, 4, 4, 6);     // missiles
        for (int i = 0; i < 20; ++i)
            movers_.push_back({20 + 23 * i, 40 + 20 * i, 40, 11, 0, -1, 0xFFFFFF00u});  // texts
    }

    // The next frame: the level, and everything one step further.
    const QImage& Next() {
        for (int y = 0; y < kSide; ++y)
            std::copy_n(reinterpret_cast<const uint32_t*>(level_.constScanLine(y)), kSide,
                        reinterpret_cast<uint32_t*>(frame_.scanLine(y)));
        for (Mover& m : movers_) {
            m.x = (m.x + m.dx + kSide - m.w) % (kSide - m.w);
            m.y = (m.y + m.dy + kSide - m.h) % (kSide - m.h);
            for (int y = m.y; y < m.y + m.h; ++y) {
                auto* row = reinterpret_cast<uint32_t*>(frame_.scanLine(y));
                std::fill_n(row + m.x, m.w, m.colour);
            }
        }
        return frame_;
    }

  private:
    QImage level_;
    QImage frame_;
    std::vector<Mover> movers_;
};

void EnlargeWholeFrame(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    QImage frame = Noise(1);
    std::vector<uint32_t> enlarged(static_cast<size_t>(kSide) * scale * kSide * scale);
    for (auto _ : state) {
        platform::EnlargePixels(reinterpret_cast<const uint32_t*>(frame.constBits()), kSide, 0, 0,
                                kSide, kSide, enlarged.data(), static_cast<size_t>(kSide) * scale,
                                scale);
        benchmark::DoNotOptimize(enlarged.data());
    }
}
BENCHMARK(EnlargeWholeFrame)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);

// A frame filled sharp to a factor that is not whole, from its own pixels
// in one pass: the 500 x 500 field, and the whole 779 x 516 game window, to
// the 800 rows of a 1280 x 800 full screen (factor 800 / 516).  Every pixel
// differs from the last frame's, so this is the whole cost.
void FillWholeFrame(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const int targetWidth = width * 800 / 516, targetHeight = height * 800 / 516;
    QImage frame(width, height, QImage::Format_RGB32);
    {
        QPainter painter(&frame);
        for (int x = 0; x < width; x += kSide)
            for (int y = 0; y < height; y += kSide)
                painter.drawImage(x, y, Noise(4));
    }
    std::vector<uint32_t> filled(static_cast<size_t>(targetWidth) * targetHeight);
    for (auto _ : state) {
        platform::FillPixels(reinterpret_cast<const uint32_t*>(frame.constBits()),
                             static_cast<size_t>(frame.bytesPerLine() / 4), width, height,
                             filled.data(), static_cast<size_t>(targetWidth), targetWidth,
                             targetHeight);
        benchmark::DoNotOptimize(filled.data());
    }
}
BENCHMARK(FillWholeFrame)->Args({500, 500})->Args({779, 516})->Unit(benchmark::kMillisecond);

// The game window, shown at the scale.
class ShownField {
  public:
    explicit ShownField(int scale) {
        platform::View::Instance().Configure(scale, scale == platform::kFillChoice);
        form_.show();
        QApplication::processEvents();
    }
    ~ShownField() {
        form_.hide();
        platform::View::Instance().Configure(0, false);
    }
    game::PlayField& Field() { return *form_.Picture1; }

  private:
    game::Form1 form_;
};

void PresentNewFrame(benchmark::State& state) {
    ShownField shown(static_cast<int>(state.range(0)));
    const QImage frames[2] = {Noise(2), Noise(3)};
    int next = 0;
    for (auto _ : state) {
        shown.Field().Present(frames[next]);
        next ^= 1;
    }
}
BENCHMARK(PresentNewFrame)
    ->DenseRange(1, platform::kFillChoice)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// Frames of play, made beforehand so that only showing them is measured.
// The round ends where it began, so every step is a step of play.
const std::vector<QImage>& PlayFrames() {
    static const std::vector<QImage> frames = [] {
        Play play;
        std::vector<QImage> made;
        for (int i = 0; i < 48; ++i)
            made.push_back(play.Next().copy());
        for (int i = 47; i >= 0; --i)
            made.push_back(made[static_cast<size_t>(i)]);
        return made;
    }();
    return frames;
}

void EnlargePlayFrame(benchmark::State& state) {
    const std::vector<QImage>& frames = PlayFrames();
    platform::EnlargedFrame enlarged;
    enlarged.Reset(kSide, kSide, static_cast<int>(state.range(0)));
    size_t next = 0;
    for (auto _ : state) {
        const QImage& frame = frames[next];
        benchmark::DoNotOptimize(
            enlarged.Update(reinterpret_cast<const uint32_t*>(frame.constBits()), kSide).size());
        next = (next + 1) % frames.size();
    }
}
BENCHMARK(EnlargePlayFrame)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);

void PresentPlayFrame(benchmark::State& state) {
    const std::vector<QImage>& frames = PlayFrames();
    ShownField shown(static_cast<int>(state.range(0)));
    size_t next = 0;
    for (auto _ : state) {
        shown.Field().Present(frames[next]);
        next = (next + 1) % frames.size();
    }
}
BENCHMARK(PresentPlayFrame)
    ->DenseRange(1, platform::kFillChoice)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // A 1280 x 800 screen, so that the full screen fills.
    QTemporaryDir folder;
    if (!testing_support::UseOffscreenScreen(folder, 1280, 800, 1, true)) return 2;
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
