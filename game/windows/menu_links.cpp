#include "game/windows/menu_links.h"

namespace game {

MenuWindows& MenuLinks() {
    static MenuWindows windows;
    return windows;
}

}  // namespace game
