// The soak: the real game, started as the program starts it (windows on Qt's
// offscreen platform, the sound library from the dist folder on OpenAL's
// silent output), plays the busy level for many frames and then goes many
// times round new game -> F5 -> F7 -> menu -> load dialog -> game.  Whatever
// the game takes on the way (picture surfaces, their handles, sound slots)
// must come back to where it started, the working-level and save folders
// must hold nothing but their own files, and the process's resident memory
// may not keep growing once it is warm.
//
//   karvelun_soak --dist DIR [--frames N] [--cycles N]
//
// Prints its figures; exit status 1 when a check fails.
#include <dlfcn.h>
#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "game/core/game_state.h"
#include "game/core/sound_component.h"
#include "game/desktop/app_paths.h"
#include "game/desktop/fonts.h"
#include "game/desktop/pacing.h"
#include "game/levels/working_levels.h"
#include "game/menu/menu_rules.h"
#include "game/platform/surface.h"
#include "game/play/keyboard.h"
#include "game/play/startup.h"
#include "game/windows/game_window.h"
#include "game/windows/load_window.h"
#include "game/windows/menu_window.h"
#include "game/windows/question_window.h"
#include "game/windows/window_set.h"
#include "support/busy_level.h"

namespace {

namespace fs = std::filesystem;
using namespace game;
using Clock = std::chrono::steady_clock;

constexpr int16_t kF5 = 116, kF7 = 118, kEsc = 27;

struct Options {
    fs::path dist;
    long frames = 100000;
    int cycles = 500;
};

int failures = 0;

void Check(bool holds, const std::string& what) {
    if (holds) return;
    std::printf("FAILED: %s\n", what.c_str());
    ++failures;
}

// Resident memory of the process in kB.
long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

// Bytes the process holds on the C heap, in kB: the part of the resident
// memory that the game's own allocations account for.
long HeapKb() {
    return static_cast<long>(mallinfo2().uordblks / 1024);
}

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// What the game holds that must come back to where it started.
struct Holdings {
    int surfaces = 0;      // the picture sheets' surfaces
    int handles = 0;       // device contexts and bitmaps
    int soundBuffers = 0;  // sounds held in the library's slots

    bool operator==(const Holdings&) const = default;
    std::string Text() const {
        return std::to_string(surfaces) + " surfaces, " + std::to_string(handles) + " handles, " +
               std::to_string(soundBuffers) + " sound buffers";
    }
};

int (*liveSoundBuffers)() = nullptr;

Holdings Now() {
    return {SurfaceCount, platform::LiveGdiHandles(), liveSoundBuffers ? liveSoundBuffers() : 0};
}

// The program folder of the run: the dist folder's read-only data linked in,
// a fresh setup.ini with sound on, empty working-level and save folders.
fs::path MakeProgramFolder(const fs::path& dist) {
    std::string pattern = (fs::temp_directory_path() / "karvelun-soak-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
    const fs::path folder = pattern;
    fs::create_directories(folder / "data");
    for (const char* name : {"obr", "zvuky", "fonts"})
        fs::create_directory_symlink(fs::absolute(dist / "data" / name), folder / "data" / name);
    fs::copy_file(dist / "data" / "levels.all", folder / "data" / "levels.all");
    std::ofstream(folder / "setup.ini", std::ios::binary)
        << "Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\n";
    return folder;
}

// Files in the working-level and save folders that are not theirs: in the
// first only level<N>.sc of the unpacked levels, in the second only the
// quick save's pair.
std::vector<std::string> StrayFiles(const fs::path& folder) {
    std::vector<std::string> stray;
    static const std::regex levelName(R"(level(0|[1-9][0-9]*)\.sc)");
    const fs::path levels = folder / "data" / "levels";
    if (fs::exists(levels))
        for (const auto& entry : fs::directory_iterator(levels)) {
            const std::string name = entry.path().filename().string();
            std::smatch match;
            if (!std::regex_match(name, match, levelName) ||
                std::stol(match[1]) >= UnpackedLevelCount)
                stray.push_back("data/levels/" + name);
        }
    const fs::path saves = folder / "data" / "saves";
    if (fs::exists(saves))
        for (const auto& entry : fs::directory_iterator(saves)) {
            const std::string name = entry.path().filename().string();
            if (name != "quick.lev" && name != "quick.pos") stray.push_back("data/saves/" + name);
        }
    return stray;
}

void CheckNoStrayFiles(const fs::path& folder, const std::string& when) {
    for (const std::string& name : StrayFiles(folder))
        Check(false, "stray file " + name + " " + when);
}

// Lets the menu's timer free the sounds that have finished; at most a few
// seconds, the longest of the game's sounds.
void LetSoundsFinish(const Holdings& start) {
    const auto begin = Clock::now();
    while (Now().soundBuffers != start.soundBuffers && SecondsSince(begin) < 5.0)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

struct Figures {
    long startKb = 0, warmKb = 0, endKb = 0;
    double seconds = 0;
};

void Report(const char* phase, const Figures& f, long units, const char* unit) {
    std::printf(
        "%s: %ld %s in %.1f s; resident memory %ld kB at start, %ld kB after warm-up, %ld kB at "
        "the end: growth after warm-up %+ld kB\n",
        phase, units, unit, f.seconds, f.startKb, f.warmKb, f.endKb, f.endKb - f.warmKb);
}

// The busy level, frame after frame, with one idle pass each, as in the game.
// The game window makes its play field's surface when it first draws; from
// then on `start` counts it.
Figures PlayBusyLevel(WindowSet& windows, long frames, Holdings& start) {
    Figures figures;
    figures.startKb = ResidentKb();
    const auto begin = Clock::now();
    windows.form3().hide();
    windows.form1().show();
    testing_support::PlaceBusyLevel();
    FrameLoop& loop = windows.form1().Loop;
    const long warmUp = frames / 10;
    for (long frame = 0; frame < frames; ++frame) {
        if (frame == warmUp) figures.warmKb = ResidentKb();
        // Ten readings on the way show whether memory levels off or keeps
        // climbing.
        if (warmUp > 0 && frame % warmUp == 0)
            std::printf("  frame %ld: resident %ld kB, heap %ld kB, log %d lines\n", frame,
                        ResidentKb(), HeapKb(), windows.LogLineCount());
        windows.ProcessEvents();
        loop.RunFrame();
        testing_support::RefreshBusyLevel();
        if (frame == 0) {
            start.surfaces = SurfaceCount;
            start.handles = platform::LiveGdiHandles();
        }
    }
    if (frames <= warmUp) figures.warmKb = ResidentKb();
    windows.form1().hide();
    ClearList(Monsters, MonsterCount);
    ClearList(Missiles, MissileCount);
    ClearList(Fragments, FragmentCount);
    ClearList(Explosions, ExplosionCount);
    ClearList(FloatTexts, FloatTextCount);
    BombArmed = false;
    KeyUpHeld = KeyRightHeld = FireHeld = false;
    windows.ShowMainMenu();
    figures.endKb = ResidentKb();
    figures.seconds = SecondsSince(begin);
    return figures;
}

// Goes round new game -> F5 -> F7 -> Esc -> "Nahrát" -> quick -> game, one
// step at a time from a timer that fires in the frame loop's idle passes and
// in the dialogs' modal waits alike.  Each firing arms the next one first,
// so that a dialog opened by a step is answered by a later firing.
class Cycles {
  public:
    Cycles(WindowSet& windows, const fs::path& folder, int cycles, const Holdings& start)
        : windows_(windows), folder_(folder), cycles_(cycles), start_(start) {}

    Figures Run() {
        figures_.startKb = ResidentKb();
        begin_ = Clock::now();
        Arm();
        QCoreApplication::exec();
        return figures_;
    }

  private:
    enum class Step { kNewGame, kQuickSave, kQuickLoad, kToMenu, kLoadDialog, kBackToMenu };

    void Arm() {
        if (!done_) QTimer::singleShot(10, [this] { Fire(); });
    }

    bool InGame() { return windows_.form1().Loop.Running() && windows_.form1().isVisible(); }
    bool InMenu() { return !windows_.form1().Loop.Running() && windows_.form3().isVisible(); }

    // Presses a key on the play field, down and up.
    static void Press(int16_t key) {
        Picture1_KeyDown(0, key, 0);
        Picture1_KeyUp(0, key, 0);
    }

    // A step that opens a dialog or starts the game returns only when the
    // game it started has been left again (the game runs inside the
    // dialog's wait), so each step moves on to the next before it acts.
    void Fire() {
        Arm();
        if (!AnswerDialogs()) Act();
    }

    // "Ano" to "lose the game?", and the quick save in the load dialog.
    bool AnswerDialogs() {
        Form5& question = windows_.form5();
        if (question.isVisible()) {
            question.DialogItems(0);
            return true;
        }
        Form6& load = windows_.form6();
        if (load.isVisible()) {
            const auto found = load.List1->findItems("quick", Qt::MatchExactly);
            Check(found.size() == 1, "the load dialog lists the quick save");
            if (found.size() != 1) {
                load.DialogItems(1);
                Finish();
                return true;
            }
            load.List1->setCurrentItem(found[0]);
            found[0]->setSelected(true);
            load.DialogItems(0);
            return true;
        }
        return false;
    }

    void Act() {
        if (std::getenv("SOAK_TRACE"))
            std::printf("cycle %d step %d: loop %d game window %d menu %d suspended %d\n", cycle_,
                        static_cast<int>(step_), windows_.form1().Loop.Running(),
                        windows_.form1().isVisible(), windows_.form3().isVisible(), GameSuspended);
        switch (step_) {
            case Step::kNewGame:
                if (!InMenu()) return;
                if (cycle_ == cycles_) return Finish();
                if (cycle_ == cycles_ / 10) figures_.warmKb = ResidentKb();
                step_ = Step::kQuickSave;
                windows_.form3().MenuItems(kMenuNewGame);
                return;
            case Step::kQuickSave:
                if (!InGame()) return;
                Check(LevelNumber == 0 && Gold == 0, "a new game starts on level 0");
                Press(kF5);
                Check(fs::exists(folder_ / "data" / "saves" / "quick.pos"), "F5 saved the game");
                step_ = Step::kQuickLoad;
                return;
            case Step::kQuickLoad:
                if (!InGame()) return;
                Press(kF7);
                step_ = Step::kToMenu;
                return;
            case Step::kToMenu:
                if (!InGame()) return;
                Press(kEsc);
                step_ = Step::kLoadDialog;
                return;
            case Step::kLoadDialog:
                if (!InMenu()) return;
                step_ = Step::kBackToMenu;
                windows_.form3().MenuItems(kMenuLoad);
                return;
            case Step::kBackToMenu:
                if (!InGame()) return;
                Press(kEsc);
                CheckNoStrayFiles(folder_, "in cycle " + std::to_string(cycle_));
                ++cycle_;
                step_ = Step::kNewGame;
                return;
        }
    }

    void Finish() {
        done_ = true;
        if (figures_.warmKb == 0) figures_.warmKb = ResidentKb();
        figures_.endKb = ResidentKb();
        figures_.seconds = SecondsSince(begin_);
        Check(cycle_ == cycles_, "all cycles ran (" + std::to_string(cycle_) + ")");
        QCoreApplication::exit(0);
    }

    WindowSet& windows_;
    fs::path folder_;
    int cycles_;
    Holdings start_;
    Figures figures_;
    Clock::time_point begin_;
    Step step_ = Step::kNewGame;
    int cycle_ = 0;
    bool done_ = false;
};

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--dist")
            options.dist = argv[i + 1];
        else if (name == "--frames")
            options.frames = std::stol(argv[i + 1]);
        else if (name == "--cycles")
            options.cycles = std::stoi(argv[i + 1]);
        else
            throw std::runtime_error("unknown option " + name);
    }
    if (options.dist.empty()) throw std::runtime_error("--dist DIR is needed");
    return options;
}

int Soak(const Options& options) {
    const fs::path folder = MakeProgramFolder(options.dist);
    std::printf("soak in %s\n", folder.c_str());
    platform::SetPacingEnabled(false);
    platform::LoadGameFont(
        QString::fromStdString((options.dist / "data" / "fonts" / "DejaVuSans-Bold.ttf").string()));
    SetSoundComponent(LoadSoundComponent(fs::absolute(options.dist).string()));
    const std::string library = fs::absolute(options.dist / "libtembra.so").string();
    if (void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_NOLOAD))
        liveSoundBuffers = reinterpret_cast<int (*)()>(dlsym(handle, "TembraLiveSoundBuffers"));
    Check(liveSoundBuffers != nullptr, "the sound library counts its sounds");

    const Holdings before = Now();
    {
        WindowSet windows;
        SetWindows(&windows);
        Check(Main(platform::AppPaths::Portable(folder.string()).Places()), "the game started");
        Check(SoundOn, "the sound device opened");
        Holdings start = Now();
        std::printf("after start-up: %s\n", start.Text().c_str());

        const Figures busy = PlayBusyLevel(windows, options.frames, start);
        std::printf("with the game window's play field: %s\n", start.Text().c_str());
        Report("busy level", busy, options.frames, "frames");
        LetSoundsFinish(start);
        Check(Now() == start, "after the busy level: " + Now().Text());

        const Figures cycles = Cycles(windows, folder, options.cycles, start).Run();
        Report("new game, F5, F7, menu, load dialog", cycles, options.cycles, "cycles");
        LetSoundsFinish(start);
        Check(Now() == start, "after the cycles: " + Now().Text());
        CheckNoStrayFiles(folder, "after the cycles");

        ShutDown();
        SetWindows(nullptr);
    }
    Check(Now() == before, "after shut-down: " + Now().Text());
    Check(!fs::exists(folder / "data" / "levels") || fs::is_empty(folder / "data" / "levels"),
          "the working levels are gone after shut-down");
    std::error_code ec;
    fs::remove_all(folder, ec);
    std::printf("after shut-down: %s\n", Now().Text().c_str());
    std::printf("%s\n", failures == 0 ? "soak: clean" : "soak: FAILED");
    return failures == 0 ? 0 : 1;
}

// Qt's offscreen platform says at every raised window that it cannot raise
// it; thousands of rounds would bury the figures.
void QuietOffscreenWarnings(QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
    if (message.contains(QStringLiteral("does not support raise()"))) return;
    std::fprintf(stderr, "%s\n", qUtf8Printable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    qInstallMessageHandler(QuietOffscreenWarnings);
    QApplication app(argc, argv);
    try {
        return Soak(ParseOptions(argc, argv));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "karvelun_soak: %s\n", e.what());
        return 2;
    }
}
