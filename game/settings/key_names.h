// What the player calls his keys: the one table of key captions that the
// game's windows and the settings tool show ("Šipka nahoru", "Ctrl",
// "Mezerník", "F9", "W"), and the texts of signs, message screens, notices
// and the help that name the keys of the game's commands by placeholders,
// filled with the keys the player chose or with the pad's buttons.
//
// The placeholders, written in braces and case-sensitive:
//   {Nahoru} {Dolu} {Vlevo} {Vpravo} {Strelba} {Bomba} {Pauza} {Menu}
//   {Ulozit} {Nahrat}   the command's key, named as its Klavesa.* line is;
//   {Potvrdit}          the key that confirms (Enter; the pad's A);
//   {Pohyb}             the four move keys together.
//
// Case.  A placeholder of one key stands where the key's name in the
// nominative fits ("Drž {Strelba}.", "{Bomba} položí bombu."); {Pohyb} is
// always in the instrumental ("Pohybuješ se {Pohyb}.": "šipkami",
// "klávesami W, A, S, D", "levou páčkou").  Names of keys that are common
// words ("mezerník", "šipka nahoru", "levá páčka nahoru", "šipkami") are
// written in small letters, but at the start of a sentence the first letter
// is a capital: a placeholder starts a sentence when nothing but blanks and
// opening quotes or brackets stand between it and the start of the text or
// a full stop, "!" or "?" followed by a blank.  Key labels ("Ctrl", "Enter",
// "F9", "W") keep their letters wherever they stand.
//
// Anything else in braces, and a brace that is not closed, stays as it is
// written.  Plain C++; texts are UTF-8.
//
// In English the keys keep their labels' capitals wherever they stand
// ("Hold Space."), the pad's stick is small inside a sentence ("left stick
// up"), and {Pohyb} reads "the arrow keys", "the W, A, S, D keys" or "the
// left stick" ("You move with {Pohyb}.").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/settings/setup_keys.h"

namespace settings {

// The language keys are named in.
enum class KeyLanguage : uint8_t { Czech, English };

// The caption of a key as the settings tool and the help list it, with a
// capital letter ("Šipka nahoru", "Mezerník", "Ctrl", "Page Up", "F9",
// "W"; "Up arrow", "Space" in English); empty for a code the game has no
// name for.
std::string KeyCaption(int16_t keyCode, KeyLanguage language = KeyLanguage::Czech);

// Which of the player's things he used last: it decides whether a text
// names his keys or the pad's buttons.
enum class KeyDevice : uint8_t { Keyboard, Pad };

// The text with its placeholders filled: for the keyboard the keys of
// `keys` (in the order of KeyCommands()), for the pad its standard layout.
std::string FillKeyNames(std::string_view text, const KeyCodes& keys, KeyDevice device,
                         KeyLanguage language = KeyLanguage::Czech);

// The pieces of a text that begin with "{" but are no placeholder, each as
// written up to its closing brace ("{Strelba2}", "{bomba}"), or up to the
// end of the text for a brace that is not closed; empty for a sound text.
std::vector<std::string> UnknownPlaceholders(std::string_view text);

}  // namespace settings
