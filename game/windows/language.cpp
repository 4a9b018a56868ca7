#include "game/windows/language.h"

namespace game {
namespace {

bool english = false;

}  // namespace

bool EnglishShown() {
    return english;
}

void SetEnglishShown(bool shown) {
    english = shown;
}

}  // namespace game
