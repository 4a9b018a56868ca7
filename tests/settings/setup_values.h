// Settings values for the tests of setup.ini.
#pragma once

#include "game/settings/setup_ini.h"

namespace settings {

// The values of the three old lines, everything else at its default.
inline SetupValues Old(bool soundOn, int volume, int tick) {
    SetupValues values;
    values.soundOn = soundOn;
    values.volume = volume;
    values.tick = tick;
    return values;
}

}  // namespace settings
