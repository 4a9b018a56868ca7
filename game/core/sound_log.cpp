#include "game/core/sound_log.h"

#include <string>

namespace game {

void KeepSoundLogShort(tembra::_SoundSys& sound) {
    const std::string log = sound.Console();
    if (log.size() <= kSoundLogLimit) return;
    // The library separates its lines with CR LF; a cut at a line break
    // leaves no half line at the top.
    const std::size_t lineBreak = log.find("\r\n", log.size() - kSoundLogKeep);
    sound.Console(lineBreak == std::string::npos ? std::string() : log.substr(lineBreak + 2));
}

}  // namespace game
