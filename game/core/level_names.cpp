#include "game/core/level_names.h"

#include <array>

#include "game/core/campaign_places.h"
#include "game/platform/shown_text.h"

namespace game {
namespace {

constexpr std::array<const char*, 82> kNames = {
    SHOWN_TEXT("LevelName", "Vstup do jeskyně"),
    SHOWN_TEXT("LevelName", "Podzemní řeka"),
    SHOWN_TEXT("LevelName", "Stará krypta"),
    SHOWN_TEXT("LevelName", "Netopýří sluj"),
    SHOWN_TEXT("LevelName", "Bořkova komora"),
    SHOWN_TEXT("LevelName", "Pavoučí chodby"),
    SHOWN_TEXT("LevelName", "Rozcestí"),
    SHOWN_TEXT("LevelName", "Brána hlubin"),
    SHOWN_TEXT("LevelName", "Jezírko"),
    SHOWN_TEXT("LevelName", "Zatopená síň"),
    SHOWN_TEXT("LevelName", "Hadí hnízdo"),
    SHOWN_TEXT("LevelName", "Ztracená studna"),
    SHOWN_TEXT("LevelName", "Vodopád"),
    SHOWN_TEXT("LevelName", "Slizová jezírka"),
    SHOWN_TEXT("LevelName", "Stavidla"),
    SHOWN_TEXT("LevelName", "Hráz"),
    SHOWN_TEXT("LevelName", "Důlní vchod"),
    SHOWN_TEXT("LevelName", "Štola"),
    SHOWN_TEXT("LevelName", "Skladiště"),
    SHOWN_TEXT("LevelName", "Hluboká šachta"),
    SHOWN_TEXT("LevelName", "Bořkova dílna"),
    SHOWN_TEXT("LevelName", "Zával"),
    SHOWN_TEXT("LevelName", "Zatopený důl"),
    SHOWN_TEXT("LevelName", "Skřetí tábor"),
    SHOWN_TEXT("LevelName", "Podzemní hřbitov"),
    SHOWN_TEXT("LevelName", "Kostnice"),
    SHOWN_TEXT("LevelName", "Krypta králů"),
    SHOWN_TEXT("LevelName", "Labyrint mrtvých"),
    SHOWN_TEXT("LevelName", "Tichá kaple"),
    SHOWN_TEXT("LevelName", "Síň duchů"),
    SHOWN_TEXT("LevelName", "Chodba pastí"),
    SHOWN_TEXT("LevelName", "Hrobka strážce"),
    SHOWN_TEXT("LevelName", "Třpytivá jeskyně"),
    SHOWN_TEXT("LevelName", "Houbový les"),
    SHOWN_TEXT("LevelName", "Jeskyně ozvěn"),
    SHOWN_TEXT("LevelName", "Krystalové bludiště"),
    SHOWN_TEXT("LevelName", "Podzemní jezero"),
    SHOWN_TEXT("LevelName", "Skrytá geoda"),
    SHOWN_TEXT("LevelName", "Orčí hlídka"),
    SHOWN_TEXT("LevelName", "Krystalová brána"),
    SHOWN_TEXT("LevelName", "Velká brána"),
    SHOWN_TEXT("LevelName", "Sloupová síň"),
    SHOWN_TEXT("LevelName", "Kovárna"),
    SHOWN_TEXT("LevelName", "Trpasličí tržiště"),
    SHOWN_TEXT("LevelName", "Královská pokladnice"),
    SHOWN_TEXT("LevelName", "Trollí most"),
    SHOWN_TEXT("LevelName", "Trůnní sál"),
    SHOWN_TEXT("LevelName", "Zapečetěné dveře"),
    SHOWN_TEXT("LevelName", "Předsíň knihovny"),
    SHOWN_TEXT("LevelName", "Čítárna"),
    SHOWN_TEXT("LevelName", "Síň portálů"),
    SHOWN_TEXT("LevelName", "Archiv"),
    SHOWN_TEXT("LevelName", "Alchymistova dílna"),
    SHOWN_TEXT("LevelName", "Zrcadlová síň"),
    SHOWN_TEXT("LevelName", "Mágova věž"),
    SHOWN_TEXT("LevelName", "Ardanova pracovna"),
    SHOWN_TEXT("LevelName", "Horké chodby"),
    SHOWN_TEXT("LevelName", "Lávová řeka"),
    SHOWN_TEXT("LevelName", "Sopouch"),
    SHOWN_TEXT("LevelName", "Výheň"),
    SHOWN_TEXT("LevelName", "Popelová pláň"),
    SHOWN_TEXT("LevelName", "Pramen ohně"),
    SHOWN_TEXT("LevelName", "Lávové jezero"),
    SHOWN_TEXT("LevelName", "Plamenná brána"),
    SHOWN_TEXT("LevelName", "Okraj propasti"),
    SHOWN_TEXT("LevelName", "Visuté mosty"),
    SHOWN_TEXT("LevelName", "Kamenní strážci"),
    SHOWN_TEXT("LevelName", "Rozbitý most"),
    SHOWN_TEXT("LevelName", "Poustevna"),
    SHOWN_TEXT("LevelName", "Sestup do tmy"),
    SHOWN_TEXT("LevelName", "Dno propasti"),
    SHOWN_TEXT("LevelName", "Poslední most"),
    SHOWN_TEXT("LevelName", "Démonova brána"),
    SHOWN_TEXT("LevelName", "Síň lebek"),
    SHOWN_TEXT("LevelName", "Ohnivý labyrint"),
    SHOWN_TEXT("LevelName", "Chrám temnoty"),
    SHOWN_TEXT("LevelName", "Poslední zkouška"),
    SHOWN_TEXT("LevelName", "Studánka"),
    SHOWN_TEXT("LevelName", "Předsíň srdce"),
    SHOWN_TEXT("LevelName", "Práh"),
    SHOWN_TEXT("LevelName", "Srdce hory"),
    SHOWN_TEXT("LevelName", "Bořkova skrýš"),
};

}  // namespace

std::string LevelName(int32_t level) {
    // A campaign of one's own names its levels on its own signs.
    if (!CurrentCampaign().BuiltIn()) return {};
    if (level < 0 || level >= static_cast<int32_t>(kNames.size())) return {};
    return kNames[static_cast<size_t>(level)];
}

}  // namespace game
