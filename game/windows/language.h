// The language the windows show the game's texts in: Czech, the game's own,
// unless the player chose English.
#pragma once

namespace game {

bool EnglishShown();
// From now on the windows show their texts in English, or in Czech.
void SetEnglishShown(bool english);

}  // namespace game
