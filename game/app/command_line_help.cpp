#include "game/app/command_line_help.h"

#include "game/core/terminal.h"
#include "game/menu/build_info.h"
#include "game/platform/shown_text.h"

namespace game {

std::string GameUsage() {
    return InTerminalLanguage(
        "Usage",
        SHOWN_TEXT("Usage",
                   "Použití: karvelun [--level SOUBOR [--tile N] | --replay SOUBOR [--speed N]]\n"
                   "Akční hra s pohledem shora v jeskyni plné příšer.\n"
                   "\n"
                   "  --level SOUBOR   nová hra rovnou na jedné úrovni: zdroj v textu, mapa\n"
                   "                   Tiled nebo soubor úrovně (pro autory úrovní)\n"
                   "  --tile N         políčko, na kterém hrdina začne (0 až 624)\n"
                   "  --replay SOUBOR  přehraje záznam hry\n"
                   "  --speed N        rychlost přehrávání: 1, 2, 8, nebo 0 (co nejrychleji)\n"
                   "  --help           vypíše tuto nápovědu\n"
                   "  --version        vypíše verzi hry\n"));
}

std::string GameVersion() {
    return "karvelun " + BuildVersion();
}

}  // namespace game
