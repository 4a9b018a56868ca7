// What the player asked of the game for his eyes, ears and hands: no
// flashing, larger letters, fire switched instead of held, the stick's dead
// zone and the texts read aloud (setup.ini's Blikani, VelkePismo,
// StrelbaPrepinac, MrtvaZona and Predcitani).  None of it is a rule of the
// game: the drawing, the windows, the keys of play and the pad read them,
// and the fire's switch reaches the rules as presses and releases of the
// fire key, so a recording plays the same with any of them.
#pragma once

#include "game/settings/setup_ini.h"

namespace game {

struct AccessSettings {
    // Ne: the hurt hero gets a steady red rim instead of flashing red, the
    // panel's lives keep their colours, the low-lives edge stands still at
    // its middle strength and explosions skip their brightest pictures.
    bool flashing = true;
    bool largeText = false;
    bool fireToggles = false;
    // Percent of the left stick's travel where it takes hold.
    int deadZone = settings::kDeadZoneDefault;
    bool speech = false;
};

inline AccessSettings AccessOf(const settings::SetupValues& values) {
    return {values.flashing, values.largeText, values.fireToggles, values.deadZone, values.speech};
}

// The settings the game runs with now: the start-up takes them from
// setup.ini, the settings window changes them at once.
inline AccessSettings Access;

}  // namespace game
