#include "game/core/speech.h"

#include "game/core/access_settings.h"

namespace game {
namespace {

Speaker* speaker = nullptr;

}  // namespace

void SetSpeaker(Speaker* newSpeaker) {
    speaker = newSpeaker;
}

Speaker* CurrentSpeaker() {
    return speaker;
}

void Speak(const std::string& text) {
    if (speaker && Access.speech && !text.empty()) speaker->Say(text);
}

void SpeakRuleText(const PlayerText& text) {
    if (speaker && Access.speech && !text.czech.empty()) speaker->SayRuleText(text);
}

}  // namespace game
