// The reading of setup.ini's text, as both programs read it (the volume and
// the tick each program's own way), and the bytes the settings tool writes.
#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "game/platform/keys.h"
#include "game/settings/setup_ini.h"
#include "settings/setup_values.h"

namespace settings {
namespace {

namespace vk = platform::vk;

constexpr std::size_t kUp = 0, kDown = 1, kLeft = 2, kRight = 3, kFire = 4, kBomb = 5, kPause = 6,
                      kMenu = 7, kQuickSave = 8, kQuickLoad = 9;

// Standard keys but for the given commands' (indices into KeyCommands()).
KeyCodes KeysWith(std::vector<std::pair<std::size_t, int16_t>> chosen) {
    KeyCodes keys = DefaultKeys();
    for (auto [command, key] : chosen)
        keys[command] = key;
    return keys;
}

// The values of a file with the three usual lines and then these.
SetupValues After3(const std::string& later) {
    return ParseSetupIni("Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\n" + later);
}

TEST(SetupLines, SoundIsOnWhenTheLineContainsAnoInAnyCase) {
    for (const char* line : {"Zvuky=Ano", "zvuky=ano", "ZVUKY=ANO", "xaNoy", "ano", "piano"})
        EXPECT_TRUE(SoundOfLine(line)) << line;
    for (const char* line : {"Zvuky=Ne", "", "AN", "A N O", "Zvuky=An"})
        EXPECT_FALSE(SoundOfLine(line)) << line;
}

// The tool's bar stops at 0 and 100 and knows no exponent; the game takes
// any volume at all, a float's largest at the most.
TEST(SetupLines, TheVolumeOnTheToolsBarAndInTheGame) {
    const float largest = std::numeric_limits<float>::max();
    const struct {
        std::string line;
        int bar;
        float game;
    } cases[] = {
        {"Hlasitost=80", 80, 0.8f},
        {"Hlasitost=150", 100, 1.5f},
        {"Hlasitost=-5", 0, 0.0f},
        {"Hlasitost=-0.4", 0, 0.0f},
        {"Hlasitost=abc", 100, 1.0f},
        {"Hlasitost=5abc", 100, 1.0f},
        {"Hlasitost=", 100, 1.0f},
        {"Hlasitost", 100, 1.0f},  // too short for a value
        {"", 100, 1.0f},
        {"Hlasitost= 42 ", 42, 0.42f},
        {"Hlasitost=50.5", 50, 0.505f},
        {"Hlasitost=99.5", 100, 0.995f},
        {"Hlasitost=100.4", 100, 1.004f},
        // Only the position counts, not the key.
        {"Loudness: 55", 55, 0.55f},
        {"Hlasitost:80", 80, 0.8f},
        {"Volume...=40", 40, 0.4f},
        {"Volume=80", 100, 1.0f},  // nothing after the 10th character
        // Exponents: only the game reads them.
        {"Hlasitost=5e1", 100, 0.5f},
        {"Hlasitost=3e38", 100, 3e36f},
        // Too large for a float: the game saturates.
        {"Hlasitost=1e300", 100, largest},
        {"Hlasitost=3.5e40", 100, largest},
        {"Hlasitost=1.7e308", 100, largest},
        {"Hlasitost=340282350000000000000000000000000000000000", 100, largest},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BarVolumeOfLine(c.line), c.bar) << c.line;
        EXPECT_FLOAT_EQ(GameVolumeOfLine(c.line), c.game) << c.line;
    }
}

// The tool's bar stops at 0 and 20000; the game at the edges of a 16-bit
// number.  Both round halves to even.
TEST(SetupLines, TheTickOnTheToolsBarAndInTheGame) {
    const struct {
        std::string line;
        int bar;
        int16_t game;
    } cases[] = {
        {"Tick=50", 50, 50},
        {"Tick=3", 3, 3},
        {"Tick=25000", 20000, 25000},
        {"Tick=99999999", 20000, 32767},
        {"Tick=-1", 0, 0},
        {"Tick=-7", 0, 0},
        {"Tick=x", 0, 0},
        {"Tick=12x", 0, 0},
        {"Tick=", 0, 0},
        {"Tick", 0, 0},
        {"Tick=2.5", 2, 2},
        {"Tick=3.5", 4, 4},
        {"Tick=19999.5", 20000, 20000},
        {"Tick=20000.4", 20000, 20000},
        {"TICK:123", 123, 123},
        // Exponents: only the game reads them.
        {"Tick=1e9", 0, 32767},
        {"Tick=1e2", 0, 100},
        // Beyond a double: the bar's end, the game's "no number".
        {"Tick=" + std::string(400, '9'), 20000, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BarTickOfLine(c.line), c.bar) << c.line;
        EXPECT_EQ(GameTickOfLine(c.line), c.game) << c.line;
    }
}

TEST(SetupText, AnyLineEndEndsALineAndMissingLinesAreEmpty) {
    const struct {
        std::string text;
        const char* sound;
        const char* volume;
        const char* tick;
        std::vector<std::string> later;
    } cases[] = {
        {"Zvuky=Ne\r\nHlasitost=7\r\nTick=9\r\nX=1\r\n",
         "Zvuky=Ne",
         "Hlasitost=7",
         "Tick=9",
         {"X=1"}},
        {"Zvuky=Ne\nHlasitost=7\nTick=9\nX=1\n", "Zvuky=Ne", "Hlasitost=7", "Tick=9", {"X=1"}},
        {"Zvuky=Ne\rHlasitost=7\rTick=9\rX=1\r", "Zvuky=Ne", "Hlasitost=7", "Tick=9", {"X=1"}},
        {"Zvuky=Ano\rHlasitost=30\nTick=4\r\n", "Zvuky=Ano", "Hlasitost=30", "Tick=4", {}},
        // CR CR is two ends with an empty line between them.
        {"Zvuky=Ano\r\rTick=4\r", "Zvuky=Ano", "", "Tick=4", {}},
        {"a\n\n\n\nb\r\n\r\n", "a", "", "", {"", "b", ""}},
        {"Zvuky=Ano\r\nHlasitost=30", "Zvuky=Ano", "Hlasitost=30", "", {}},
        {"Zvuky=Ano\r\n", "Zvuky=Ano", "", "", {}},
        {"", "", "", "", {}},
    };
    for (const auto& c : cases) {
        const SetupLines lines = SplitSetupIni(c.text);
        EXPECT_EQ(lines.sound, c.sound) << c.text;
        EXPECT_EQ(lines.volume, c.volume) << c.text;
        EXPECT_EQ(lines.tick, c.tick) << c.text;
        EXPECT_EQ(lines.later, c.later) << c.text;
    }
    EXPECT_EQ(ParseSetupIni(""), Old(false, 100, 0));  // an empty first line leaves sound off
    EXPECT_EQ(ParseSetupIni("Zvuky=Ne\nHlasitost=30\nTick=4\n"), Old(false, 30, 4));
}

TEST(SetupText, TheOldLinesAreReadByPositionAndTheRestByName) {
    // Later settings in the first three lines are the old values' lines.
    EXPECT_EQ(ParseSetupIni("Zvetseni=2\nCelaObrazovka=Ano\nTick=5\n"), Old(false, 100, 5));
    EXPECT_EQ(ParseSetupIni("Zvuky=Ano\nZvetseni=2\n"), Old(true, 100, 0));
    EXPECT_EQ(ParseSetupIni("Klavesa.Nahoru=W\r\nKlavesa.Dolu=S\r\nKlavesa.Vlevo=A\r\n"),
              Old(false, 100, 0));
    // Later lines do not disturb the old ones, nor the keys the view.
    SetupValues expected = Old(false, 30, 4);
    expected.scale = 2;
    expected.pauseOnFocusLoss = false;
    expected.keys = KeysWith({{kUp, 'W'}, {kDown, 'S'}});
    EXPECT_EQ(
        ParseSetupIni("Zvuky=Ne\r\nHlasitost=30\r\nTick=4\r\nKlavesa.Nahoru=W\r\nZvetseni=2\r\n"
                      "Klavesa.Dolu=S\r\nPauzaPriPrepnuti=Ne\r\n"),
        expected);
}

// The view's lines: case and blanks around names and values do not count,
// a value that does not read gives the default, the last line of a name
// counts, lines of no known name are kept for the rewrite (blank ones not).
TEST(SetupText, TheViewsLines) {
    const struct {
        std::string later;
        int scale;
        bool fullScreen;
        bool pause;
        std::vector<std::string> otherLines;
        bool corner = true;
        int music = 70;
        Language language = Language::kCzech;
        Difficulty difficulty = Difficulty::kNormal;
        bool runTimer = false;
    } cases[] = {
        {"", 0, false, true, {}},
        {"Zvetseni=3\r\nCelaObrazovka=Ano\r\nPauzaPriPrepnuti=Ne\r\n", 3, true, false, {}},
        {"PomocNaRozich=Ne\r\n", 0, false, true, {}, false},
        {" pomocnarozich =\tne \nPOMOCNAROZICH=Ano\nPomocNaRozich=NE", 0, false, true, {}, false},
        {"PomocNaRozich=Ne\nPomocNaRozich=ano\n", 0, false, true, {}, true},
        {"PomocNaRozich=Ne\nPomocNaRozich=Nie\n", 0, false, true, {}, true},
        {"PomocNaRozichu=Ne\n", 0, false, true, {"PomocNaRozichu=Ne"}, true},
        // The music's volume: held to 0..100, rounded half to even, 70 when
        // it does not read; the last line counts.
        {"Hudba=0\r\n", 0, false, true, {}, true, 0},
        {" hudba =\t35 \n", 0, false, true, {}, true, 35},
        {"HUDBA=100", 0, false, true, {}, true, 100},
        {"Hudba=150", 0, false, true, {}, true, 100},
        {"Hudba=-5", 0, false, true, {}, true, 0},
        {"Hudba=-0.5", 0, false, true, {}, true, 0},
        {"Hudba=40.5", 0, false, true, {}, true, 40},
        {"Hudba=41.5", 0, false, true, {}, true, 42},
        {"Hudba=1e400", 0, false, true, {}, true, 70},
        {"Hudba=20\nHudba=pět", 0, false, true, {}, true, 70},
        {"Hudba=20\nHudba=", 0, false, true, {}, true, 70},
        {"Hudba=20 %", 0, false, true, {}, true, 70},
        {"Hudba=pět\nHudba=20", 0, false, true, {}, true, 20},
        {"Hudba2=20\n", 0, false, true, {"Hudba2=20"}, true, 70},
        // The language: "cs" or "en" in any case; anything else is Czech,
        // the last line counts.
        {"Jazyk=en\r\n", 0, false, true, {}, true, 70, Language::kEnglish},
        {" jazyk =\tEN \n", 0, false, true, {}, true, 70, Language::kEnglish},
        {"Jazyk=en\nJazyk=cs", 0, false, true, {}, true, 70, Language::kCzech},
        {"Jazyk=en\nJazyk=english", 0, false, true, {}, true, 70, Language::kCzech},
        {"Jazyk=en\nJazyk=", 0, false, true, {}, true, 70, Language::kCzech},
        {"Jazyk=e n", 0, false, true, {}, true, 70, Language::kCzech},
        {"Jazyk=cs\nJazyk=En", 0, false, true, {}, true, 70, Language::kEnglish},
        {"Jazyky=en\n", 0, false, true, {"Jazyky=en"}, true, 70, Language::kCzech},
        // The difficulty: "normalni" or "lehka" in any case; anything else
        // (the accented word too) is the normal game, the last line counts.
        {"Obtiznost=lehka\r\n", 0, false, true, {}, true, 70, {}, Difficulty::kEasy},
        {" obtiznost =\tLEHKA \n", 0, false, true, {}, true, 70, {}, Difficulty::kEasy},
        {"Obtiznost=lehka\nObtiznost=Normalni", 0, false, true, {}, true, 70, {}, {}},
        {"Obtiznost=lehka\nObtiznost=lehká", 0, false, true, {}, true, 70, {}, {}},
        {"Obtiznost=lehka\nObtiznost=", 0, false, true, {}, true, 70, {}, {}},
        {"Obtiznost=normalni\nObtiznost=lehka",
         0,
         false,
         true,
         {},
         true,
         70,
         {},
         Difficulty::kEasy},
        {"Obtížnost=lehka\n", 0, false, true, {"Obtížnost=lehka"}, true, 70, {}, {}},
        // The timer: Ano or Ne in any case, off when the value does not read.
        {" casomira =\tANO \r\n", 0, false, true, {}, true, 70, {}, {}, true},
        {"Casomira=Ano\nCasomira=ano ne", 0, false, true, {}, true, 70, {}, {}, false},
        {"Casomira=Ne\nCasomira=Ano", 0, false, true, {}, true, 70, {}, {}, true},
        {"Časomíra=Ano\n", 0, false, true, {"Časomíra=Ano"}, true, 70, {}, {}, false},
        {" zvetseni = 4 \r\n\tCELAOBRAZOVKA\t=\tano\r\npauzapriprepnuti=NE\r\n",
         4,
         true,
         false,
         {}},
        {"Zvetseni=2\n  zvetseni\t= AUTO \npauzapriprepnuti =\tNE\t\n", 0, false, false, {}},
        {"Zvetseni=1", 1, false, true, {}},
        {"CelaObrazovka=Ne\r\nPauzaPriPrepnuti=Ano\r\n", 0, false, true, {}},
        {"Zvetseni=2\r\nZvetseni=3\r\n", 3, false, true, {}},
        {"CelaObrazovka=Ne\r\nx=y\r\nCelaObrazovka=Ano\r\n", 0, true, true, {"x=y"}},
        // The last line decides even when its value does not read.
        {"Zvetseni=2\r\nZvetseni=9\r\n", 0, false, true, {}},
        {"Klavesy=Nahoru:W\r\n\r\n   \r\nZvetseni\r\n=2\r\nZvetseni2=3\r\n# Zvetseni=4\r\n"
         "poznámka bez rovnítka\r\nKlavesy=S",
         0,
         false,
         true,
         {"Klavesy=Nahoru:W", "Zvetseni", "=2", "Zvetseni2=3", "# Zvetseni=4",
          "poznámka bez rovnítka", "Klavesy=S"}},
    };
    for (const auto& c : cases) {
        const SetupValues values = After3(c.later);
        EXPECT_EQ(values.scale, c.scale) << c.later;
        EXPECT_EQ(values.fullScreen, c.fullScreen) << c.later;
        EXPECT_EQ(values.pauseOnFocusLoss, c.pause) << c.later;
        EXPECT_EQ(values.cornerHelp, c.corner) << c.later;
        EXPECT_EQ(values.music, c.music) << c.later;
        EXPECT_EQ(values.runTimer, c.runTimer) << c.later;
        EXPECT_EQ(values.language, c.language) << c.later;
        EXPECT_EQ(values.difficulty, c.difficulty) << c.later;
        EXPECT_EQ(values.otherLines, c.otherLines) << c.later;
        EXPECT_EQ(values.keys, DefaultKeys()) << c.later;
    }
    for (int scale = 1; scale <= kScaleMax; ++scale)
        EXPECT_EQ(After3("Zvetseni=" + std::to_string(scale)).scale, scale);
    for (const char* fill : {"vypln", " VyPlN\t"})
        EXPECT_EQ(After3(std::string("Zvetseni=") + fill).scale, kScaleFill) << fill;
    SetupValues filled;
    filled.scale = kScaleFill;
    EXPECT_NE(FormatSetupIni(filled).find("\r\nZvetseni=vypln\r\n"), std::string::npos);
    EXPECT_EQ(ParseSetupIni(FormatSetupIni(filled)).scale, kScaleFill);
    for (const char* scale :
         {"0", "5", "2x", "2.0", "02", "", "-1", "dva", "1 2", "vyplnit", "vypl n"})
        EXPECT_EQ(After3(std::string("Zvetseni=2\nZvetseni=") + scale).scale, 0) << scale;
    for (const char* yesNo : {"Yes", "1", "", "Ano!", "A no"}) {
        const SetupValues values = After3(std::string("CelaObrazovka=Ano\nPauzaPriPrepnuti=Ne\n") +
                                          "CelaObrazovka=" + yesNo + "\nPauzaPriPrepnuti=" + yesNo);
        EXPECT_FALSE(values.fullScreen) << yesNo;
        EXPECT_TRUE(values.pauseOnFocusLoss) << yesNo;
    }
}

// The "Klavesa." lines, read as the view's; a key that is not one the game
// sees, a reserved one or one two commands share gives the standard key.
TEST(SetupText, TheKeysLines) {
    const struct {
        std::string later;
        KeyCodes keys;
        std::vector<std::string> otherLines;
    } cases[] = {
        {"Klavesa.Nahoru=W\r\nKlavesa.Dolu=S\r\nKlavesa.Vlevo=A\r\nKlavesa.Vpravo=D\r\n"
         "Klavesa.Strelba=J\r\nKlavesa.Bomba=K\r\nKlavesa.Pauza=P\r\nKlavesa.Menu=Backspace\r\n"
         "Klavesa.Ulozit=F6\r\nKlavesa.Nahrat=F9\r\n",
         {'W', 'S', 'A', 'D', 'J', 'K', 'P', vk::Back, vk::F1 + 5, vk::F1 + 8},
         {}},
        {"Klavesa.Nahoru=W\nklavesa.dolu = s \nKLAVESA.VLEVO=a\nKlavesa.Vpravo=D\n"
         "Klavesa.Strelba=Shift\nKlavesa.Bomba=Return\nKlavesa.Pauza=p\nKlavesa.Menu=backspace\n"
         "Klavesa.Ulozit=F6\nKlavesa.Nahrat=PgDown\n",
         {'W', 'S', 'A', 'D', vk::Shift, vk::Return, 'P', vk::Back, vk::F1 + 5, vk::Next},
         {}},
        // Standard keys written out read as the standard table.
        {"Klavesa.Nahoru=Up\r\nKlavesa.Strelba=Control\r\nKlavesa.Bomba=Space\r\n"
         "Klavesa.Menu=Esc\r\nKlavesa.Pauza=Pause\r\nKlavesa.Nahrat=F7\r\n",
         DefaultKeys(),
         {}},
        {" klavesa.STRELBA = pgdown \r\nKLAVESA.pauza=p",
         KeysWith({{kFire, vk::Next}, {kPause, 'P'}}),
         {}},
        // The keypad's Enter is the game's Return.
        {"Klavesa.Bomba=Enter", KeysWith({{kBomb, vk::Return}}), {}},
        // Only the value of the command's last line counts, readable or not.
        {"Klavesa.Bomba=B\r\nKlavesa.Bomba=?\r\n", DefaultKeys(), {}},
        {"Klavesa.Bomba=?\r\nKlavesa.Bomba=B\r\n", KeysWith({{kBomb, 'B'}}), {}},
        // Unknown commands and lines that are no key line are other lines.
        {"Klavesa.Skok=W\r\nKlavesa.Nahoru=W\r\nKlavesa.=X\r\nKlavesaDolu=S\r\nKlavesa=W\r\n"
         "Klavesa.Nahoru\r\n#Klavesa.Dolu=S\r\nNahoru=W\r\n",
         KeysWith({{kUp, 'W'}}),
         {"Klavesa.Skok=W", "Klavesa.=X", "KlavesaDolu=S", "Klavesa=W", "Klavesa.Nahoru",
          "#Klavesa.Dolu=S", "Nahoru=W"}},
        // Two commands on one key both get their standard keys ...
        {"Klavesa.Strelba=W\r\nKlavesa.Vlevo=A\r\nKlavesa.Bomba=w\r\n",
         KeysWith({{kLeft, 'A'}}),
         {}},
        {"Klavesa.Pauza=P\nKlavesa.Menu=P\nKlavesa.Ulozit=S", KeysWith({{kQuickSave, 'S'}}), {}},
        // ... also a chosen key that is another command's standard key,
        // while that command keeps it ...
        {"Klavesa.Strelba=Space\r\nKlavesa.Vlevo=A\r\n", KeysWith({{kLeft, 'A'}}), {}},
        // ... and Return and the keypad's Enter, one key to the game.
        {"Klavesa.Strelba=Return\r\nKlavesa.Bomba=Enter\r\n", DefaultKeys(), {}},
        // The fire took Space and the bomb, sent back to Space, meets it.
        {"Klavesa.Strelba=Space\nKlavesa.Bomba=Up", DefaultKeys(), {}},
        // Swapped standard keys are no sharing.
        {"Klavesa.Strelba=Space\r\nKlavesa.Bomba=Control\r\n",
         KeysWith({{kFire, vk::Space}, {kBomb, vk::Control}}),
         {}},
        {"Klavesa.Menu=Q\r\nKlavesa.Nahrat=F12\r\nKlavesa.Ulozit=Alt\r\nKlavesa.Vlevo=F24",
         KeysWith({{kMenu, 'Q'},
                   {kQuickLoad, vk::F1 + 11},
                   {kQuickSave, vk::Menu},
                   {kLeft, vk::F1 + 23}}),
         {}},
    };
    for (const auto& c : cases) {
        const SetupValues values = After3(c.later);
        EXPECT_EQ(values.keys, c.keys) << c.later;
        EXPECT_EQ(values.otherLines, c.otherLines) << c.later;
        EXPECT_EQ(values.scale, 0) << c.later;
    }
    for (const char* value :
         {"", "Ctrl+W", "Alt+Return", "Alt+Enter", "F1", "F11", "f1", "Meta", "WASD", "F0", "F25",
          "\x01", "Šipka", "Ě", ",", "WW", "Control Space"}) {
        const SetupValues values =
            After3(std::string("Klavesa.Vpravo=D\nKlavesa.Strelba=J\nKlavesa.Strelba=") + value);
        EXPECT_EQ(values.keys, KeysWith({{kRight, 'D'}})) << value;
    }
}

// The key lines for the standard keys, as the tool writes them.
const std::string kDefaultKeyLines =
    "Klavesa.Nahoru=Up\r\nKlavesa.Dolu=Down\r\nKlavesa.Vlevo=Left\r\nKlavesa.Vpravo=Right\r\n"
    "Klavesa.Strelba=Control\r\nKlavesa.Bomba=Space\r\nKlavesa.Pauza=Pause\r\n"
    "Klavesa.Menu=Esc\r\nKlavesa.Ulozit=F5\r\nKlavesa.Nahrat=F7\r\n";
// The music's and the language's lines of the defaults.
const std::string kDefaultLastLines = "Hudba=70\r\nJazyk=cs\r\n";

TEST(SetupFormat, TheOldLinesFirstThenTheViewTheKeysAndTheOtherLinesWithCrLf) {
    SetupValues everything = Old(false, 0, 20000);
    everything.scale = 4;
    everything.fullScreen = true;
    everything.pauseOnFocusLoss = false;
    everything.cornerHelp = false;
    everything.music = 0;
    everything.difficulty = Difficulty::kEasy;
    SetupValues keys = Old(true, 80, 50);
    keys.keys = KeysWith({{kUp, 'W'},
                          {kLeft, 'A'},
                          {kDown, 'S'},
                          {kRight, 'D'},
                          {kFire, vk::Shift},
                          {kMenu, 'Q'},
                          {kPause, vk::Prior},
                          {kQuickLoad, vk::F1 + 11}});
    keys.otherLines = {"Barvy=tmavé\tpřesně", "x"};
    keys.music = 100;
    keys.language = Language::kEnglish;
    keys.runTimer = true;
    const struct {
        SetupValues values;
        std::string bytes;
    } cases[] = {
        {Old(true, 80, 50),
         "Zvuky=Ano\r\nHlasitost=80\r\nTick=50\r\nZvetseni=auto\r\n"
         "CelaObrazovka=Ne\r\nPauzaPriPrepnuti=Ano\r\nPomocNaRozich=Ano\r\n" +
             kDefaultKeyLines + kDefaultLastLines},
        {everything,
         "Zvuky=Ne\r\nHlasitost=0\r\nTick=20000\r\nZvetseni=4\r\nCelaObrazovka=Ano\r\n"
         "PauzaPriPrepnuti=Ne\r\nPomocNaRozich=Ne\r\nObtiznost=lehka\r\n" +
             kDefaultKeyLines + "Hudba=0\r\nJazyk=cs\r\n"},
        {keys,
         "Zvuky=Ano\r\nHlasitost=80\r\nTick=50\r\nZvetseni=auto\r\nCelaObrazovka=Ne\r\n"
         "PauzaPriPrepnuti=Ano\r\nPomocNaRozich=Ano\r\nKlavesa.Nahoru=W\r\nKlavesa.Dolu="
         "S\r\nKlavesa.Vlevo=A\r\n"
         "Klavesa.Vpravo=D\r\nKlavesa.Strelba=Shift\r\nKlavesa.Bomba=Space\r\n"
         "Klavesa.Pauza=PgUp\r\nKlavesa.Menu=Q\r\nKlavesa.Ulozit=F5\r\nKlavesa.Nahrat=F12\r\n"
         "Hudba=100\r\nJazyk=en\r\nCasomira=Ano\r\nBarvy=tmavé\tpřesně\r\nx\r\n"},
    };
    for (const auto& c : cases) {
        const std::string written = FormatSetupIni(c.values);
        EXPECT_EQ(written, c.bytes);
        EXPECT_EQ(ParseSetupIni(written), c.values) << c.bytes;
        // A reader of the old three lines, by position, sees the old values,
        // the game too.
        const SetupLines lines = SplitSetupIni(written);
        EXPECT_EQ(BarVolumeOfLine(lines.volume), c.values.volume);
        EXPECT_FLOAT_EQ(GameVolumeOfLine(lines.volume), c.values.volume / 100.0f);
        EXPECT_EQ(GameTickOfLine(lines.tick), c.values.tick);
    }
}

TEST(SetupFormat, RewritingAFileKeepsItsUnknownLinesAfterTheKnownOnes) {
    // A file of a newer game: the values change, its other lines stay byte
    // for byte, a known name given twice is written once.
    SetupValues values = ParseSetupIni(
        "Zvuky=Ano\nHlasitost=10\nTick=0\nKlavesy=W,A,S,D\nCelaObrazovka=Ano\n"
        "Barvy=tmavé\tpřesně\nJazyk=EN\nCelaObrazovka=ne\n");
    values.volume = 90;
    EXPECT_EQ(FormatSetupIni(values),
              "Zvuky=Ano\r\nHlasitost=90\r\nTick=0\r\nZvetseni=auto\r\nCelaObrazovka=Ne\r\n"
              "PauzaPriPrepnuti=Ano\r\nPomocNaRozich=Ano\r\n" +
                  kDefaultKeyLines + "Hudba=70\r\nJazyk=en\r\n" +
                  "Klavesy=W,A,S,D\r\nBarvy=tmavé\tpřesně\r\n");
}

}  // namespace
}  // namespace settings
