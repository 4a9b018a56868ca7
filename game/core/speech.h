// Texts read aloud, for a player who asked for them (the Predcitani
// setting): the chosen item of a menu, a settings row with its value, a
// dialog's chosen entry, a question with its chosen answer, every sign,
// message screen and notice as it opens, and the hero's lives, gold and
// floor when asked.  The rules and the windows hand their texts here; a
// speaker reads them -- speech-dispatcher through the window layer in the
// game, a recording stand-in in tests.  A new text cuts short the one being
// read.  Nothing here can fail or wait: without a speaker, or with speech
// off, a text is simply not read.
#pragma once

#include <string>

#include "game/core/player_text.h"

namespace game {

class Speaker {
  public:
    virtual ~Speaker() = default;
    // A text of the windows, already in the language they show (UTF-8).
    virtual void Say(const std::string& text) = 0;
    // A text of the rules (a sign), to be read as the windows would show it.
    virtual void SayRuleText(const PlayerText& text) = 0;
};

// The speaker the game reads through; null reads nothing.
void SetSpeaker(Speaker* speaker);
Speaker* CurrentSpeaker();

// Read aloud when the player asked for it (Access.speech).
void Speak(const std::string& text);
void SpeakRuleText(const PlayerText& text);

}  // namespace game
