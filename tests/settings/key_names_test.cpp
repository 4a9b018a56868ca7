// Texts that name the player's keys: every placeholder for the standard
// keys, for chosen ones and for the pad, in the case the sentence needs.
#include <gtest/gtest.h>

#include "game/platform/keys.h"
#include "game/settings/key_names.h"

namespace settings {
namespace {

namespace vk = platform::vk;

TEST(KeyNames, PlaceholdersBecomeTheKeysInTheCaseTheSentenceNeeds) {
    const KeyCodes standard = DefaultKeys();
    // W, A, S, D to walk, fire and bomb swapped onto the other's key, F9 and
    // F10 to save and load, P to pause and Backspace for the menu.
    KeyCodes chosen = {'W',         'S', 'A',      'D',        vk::Space,
                       vk::Control, 'P', vk::Back, vk::F1 + 8, vk::F1 + 9};
    // Only up moved.
    KeyCodes upOnly = standard;
    upOnly[0] = 'W';
    constexpr KeyDevice kKeys = KeyDevice::Keyboard, kPad = KeyDevice::Pad;

    struct Case {
        const char* text;
        const KeyCodes& keys;
        KeyDevice device;
        const char* shown;
    };
    const Case cases[] = {
        // Moving: always the instrumental, a capital only at a sentence's start.
        {"Pohybuješ se {Pohyb}.", standard, kKeys, "Pohybuješ se šipkami."},
        {"{Pohyb} se pohybuješ.", standard, kKeys, "Šipkami se pohybuješ."},
        {"Pohybuješ se {Pohyb}.", chosen, kKeys, "Pohybuješ se klávesami W, A, S, D."},
        {"{Pohyb} se pohybuješ.", chosen, kKeys, "Klávesami W, A, S, D se pohybuješ."},
        {"Jdi {Pohyb}.", upOnly, kKeys, "Jdi klávesami W, šipka vlevo, šipka dolů, šipka vpravo."},
        {"Pohybuješ se {Pohyb}.", standard, kPad, "Pohybuješ se levou páčkou."},
        {"{Pohyb} se pohybuješ.", chosen, kPad, "Levou páčkou se pohybuješ."},
        // Every command's key: common words small inside a sentence, key
        // labels as they are.
        {"{Nahoru}, {Dolu}, {Vlevo}, {Vpravo}", standard, kKeys,
         "Šipka nahoru, šipka dolů, šipka vlevo, šipka vpravo"},
        {"{Strelba}, {Bomba}, {Pauza}, {Menu}, {Ulozit}, {Nahrat}, {Potvrdit}", standard, kKeys,
         "Ctrl, mezerník, Pause, Esc, F5, F7, Enter"},
        {"{Nahoru}, {Dolu}, {Vlevo}, {Vpravo}", chosen, kKeys, "W, S, A, D"},
        {"{Strelba}, {Bomba}, {Pauza}, {Menu}, {Ulozit}, {Nahrat}, {Potvrdit}", chosen, kKeys,
         "Mezerník, Ctrl, P, Backspace, F9, F10, Enter"},
        {"{Nahoru}, {Dolu}, {Vlevo}, {Vpravo}", chosen, kPad,
         "Levá páčka nahoru, levá páčka dolů, levá páčka vlevo, levá páčka vpravo"},
        {"{Strelba}, {Bomba}, {Pauza}, {Menu}, {Ulozit}, {Nahrat}, {Potvrdit}", chosen, kPad,
         "A, B, Start, Back, LB, RB, A"},
        // The campaign's sentences.
        {"{Bomba} položí bombu. Drž {Strelba}: střela letí.", standard, kKeys,
         "Mezerník položí bombu. Drž Ctrl: střela letí."},
        {"{Bomba} položí bombu. Drž {Strelba}: střela letí.", chosen, kKeys,
         "Ctrl položí bombu. Drž mezerník: střela letí."},
        {"{Ulozit} uloží hru, {Nahrat} ji nahraje.", chosen, kKeys,
         "F9 uloží hru, F10 ji nahraje."},
        {"{Ulozit} uloží hru, {Nahrat} ji nahraje.", standard, kPad,
         "LB uloží hru, RB ji nahraje."},
        {"Toto okno zavře {Potvrdit}.", chosen, kPad, "Toto okno zavře A."},
        // Where a sentence starts: after blanks and opening marks at the
        // text's start or after an end of a sentence and a blank; not after
        // a colon, a comma or an end without a blank.
        {"  „{Bomba}“ (\"{Bomba}\")", standard, kKeys, "  „Mezerník“ (\"mezerník\")"},
        {"Pozor! ({Bomba}) Tak? {Nahoru}… {Dolu}", standard, kKeys,
         "Pozor! (Mezerník) Tak? Šipka nahoru… Šipka dolů"},
        {"Ano.{Bomba} a:{Bomba}\n{Bomba}", standard, kKeys, "Ano.mezerník a:mezerník\nmezerník"},
        // Anything else in braces stays as written.
        {"{bomba} {Foo} {} { Bomba} {Bomba", standard, kKeys, "{bomba} {Foo} {} { Bomba} {Bomba"},
        {"{{Bomba}} }{Strelba}{", standard, kKeys, "{mezerník} }Ctrl{"},
        {"", standard, kPad, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FillKeyNames(c.text, c.keys, c.device), c.shown)
            << c.text << (c.device == kPad ? " (pad)" : "");
}

}  // namespace
}  // namespace settings
