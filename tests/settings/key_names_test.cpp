// Texts that name the player's keys: every placeholder for the standard
// keys, for chosen ones and for the pad, in the case the sentence needs, in
// Czech and in English.
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
    constexpr KeyLanguage kEnglish = KeyLanguage::English;

    struct Case {
        const char* text;
        const KeyCodes& keys;
        KeyDevice device;
        const char* shown;
        KeyLanguage language = KeyLanguage::Czech;
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
        // English: keys by their labels wherever they stand, the stick and
        // {Pohyb} small inside a sentence.
        {"You move with {Pohyb}.", standard, kKeys, "You move with the arrow keys.", kEnglish},
        {"{Pohyb} move you.", chosen, kKeys, "The W, A, S, D keys move you.", kEnglish},
        {"Walk with {Pohyb}.", upOnly, kKeys,
         "Walk with the W, Left arrow, Down arrow, Right arrow keys.", kEnglish},
        {"You move with {Pohyb}. {Pohyb}!", chosen, kPad,
         "You move with the left stick. The left stick!", kEnglish},
        {"{Nahoru}, {Dolu}, {Vlevo}, {Vpravo}", standard, kKeys,
         "Up arrow, Down arrow, Left arrow, Right arrow", kEnglish},
        {"{Strelba}, {Bomba}, {Pauza}, {Menu}, {Ulozit}, {Nahrat}, {Potvrdit}", standard, kKeys,
         "Ctrl, Space, Pause, Esc, F5, F7, Enter", kEnglish},
        {"{Nahoru}, {Dolu}, {Vlevo}, {Vpravo}", chosen, kPad,
         "Left stick up, left stick down, left stick left, left stick right", kEnglish},
        {"{Bomba} lays a bomb. Hold {Strelba}: missiles fly.", chosen, kKeys,
         "Ctrl lays a bomb. Hold Space: missiles fly.", kEnglish},
        {"{Potvrdit} closes this window.", chosen, kPad, "A closes this window.", kEnglish},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FillKeyNames(c.text, c.keys, c.device, c.language), c.shown)
            << c.text << (c.device == kPad ? " (pad)" : "")
            << (c.language == kEnglish ? " (English)" : "");
    // The captions the help and the settings tool list.
    EXPECT_EQ(KeyCaption(vk::Space), "Mezerník");
    EXPECT_EQ(KeyCaption(vk::Space, kEnglish), "Space");
    EXPECT_EQ(KeyCaption(vk::Up, kEnglish), "Up arrow");
    EXPECT_EQ(KeyCaption('W', kEnglish), "W");
}

}  // namespace
}  // namespace settings
