// The main menu and the windows it opens reach one another as the game's
// one set of windows: each window enters itself here when it is created and
// leaves when it is destroyed.
#pragma once

namespace game {

class Form3;
class Form4;
class Form5;
class Form6;
class Form7;
class SettingsWindow;
class CampaignWindow;
class RecordsWindow;

struct MenuWindows {
    Form3* menu = nullptr;
    Form4* credits = nullptr;
    Form5* question = nullptr;
    Form6* load = nullptr;
    Form7* save = nullptr;
    SettingsWindow* settings = nullptr;
    CampaignWindow* campaigns = nullptr;
    RecordsWindow* records = nullptr;
};

MenuWindows& MenuLinks();

// Takes a destroyed window out of its place, unless a newer one took it.
template <class Window>
void UnlinkWindow(Window*& place, Window* window) {
    if (place == window) place = nullptr;
}

}  // namespace game
