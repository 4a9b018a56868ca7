// The keys of the game's ten commands as the settings tool's window knows
// them: Qt key codes.  setup.ini stores them as the game's key codes by their
// portable names (game/settings/setup_keys.h); the tool turns its keys into
// those codes and back here.  Only keys the game can tell apart are offered.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include <QString>
#include <Qt>

#include "game/settings/key_names.h"
#include "game/settings/setup_keys.h"

namespace setup {

using settings::kCommandCount;

// What the window calls a command, in the order of settings::KeyCommands().
QString CommandCaption(std::size_t command);

// Qt key codes, one per command in the order of settings::KeyCommands().
using KeyChoice = std::array<int, kCommandCount>;
KeyChoice DefaultKeys();

// Why a key cannot be a command's: the game's own rules (setup_keys.h).
using settings::KeyRefusal;

KeyRefusal RefusalOf(const KeyChoice& keys, std::size_t command, int key,
                     Qt::KeyboardModifiers modifiers);

// The keypad's Enter is Return to the game: one key, one name.
int SameKeyForTheGame(int key);

// The game's key code of a key the game sees (through its name, QKeySequence's
// portable text); 0 for any other key.
int16_t GameKeyOf(int key);
// The key of a game's key code: the one the tool offers for it (Return for
// the Enters); 0 for a code the tool never offers.
int QtKeyOf(int16_t gameKey);
settings::KeyCodes GameKeysOf(const KeyChoice& keys);
KeyChoice QtKeysOf(const settings::KeyCodes& keys);

// What the window shows for a key ("Šipka nahoru", "Mezerník", "W"; in
// English "Up arrow", "Space").
QString KeyCaption(int key);
// The language keys are named in from now on: the tool's own, chosen at
// its start.  Czech until told.
void NameKeysIn(settings::KeyLanguage language);

}  // namespace setup
