#include "game/core/sound_cues.h"

#include "game/core/game_state.h"
#include "game/core/sound_log.h"

namespace game {

void PlayCue(int16_t slot, float speed, bool adjust) {
    if (!SoundOn || Sound == nullptr || slot < 0 || slot >= static_cast<int16_t>(SoundSlots.size()))
        return;
    try {
        SoundSlots[slot] = Sound->IndexLoad(Places.data + "/zvuky/" + CueFile(slot), tembra::kFalse,
                                            tembra::kTrue);
        if (adjust) Sound->IndexSet(SoundSlots[slot], Volume, 0.0f, speed, tembra::kUnchanged);
    } catch (const tembra::SoundError&) {
        // A missing or broken sound file costs the sound, never the game.
    }
}

void FreeFinishedSounds() {
    if (!SoundOn || !Sound) return;
    try {
        Sound->FreeMemory(tembra::kTrue);
        KeepSoundLogShort(*Sound);
    } catch (const tembra::SoundError&) {
        // A sound that cannot be freed now is freed in a later frame.
    }
}

}  // namespace game
