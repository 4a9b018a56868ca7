<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Campaigns</name>
    <message>
        <source>Původní kampaň</source>
        <translation>The original campaign</translation>
    </message>
    <message>
        <source>pater: %1</source>
        <translation>levels: %1</translation>
    </message>
    <message>
        <source>%1, verze %2, pater: %3</source>
        <translation>%1, version %2, levels: %3</translation>
    </message>
    <message>
        <source>neznámý autor</source>
        <translation>unknown author</translation>
    </message>
</context>
<context>
    <name>Credits</name>
    <message>
        <source>Tato hra je pokračováním oprašování staré školy, která je a bude vždy tím nejlepším, co herní svět mohlo potkat.</source>
        <translation>This game carries on dusting off the old school, the best thing the world of games ever met, and always will be.</translation>
    </message>
    <message>
        <source>Pokud jste stejně jako já příznivcem dob dávno minulých, jistě s hrou zažijete mnoho pěkných chvil. Odhalte tajemství jeskyně!</source>
        <translation>If, like me, you are fond of days long gone, this game will give you many fine hours. Uncover the secret of the cave!</translation>
    </message>
    <message>
        <source>Líbí se vám hra, nebo jste v ní našli chybu? Napište nám na tym@karvelun.invalid, každý dopis nás potěší.</source>
        <translation>Do you like the game, or did you find a bug in it? Write to us at tym@karvelun.invalid, every letter makes our day.</translation>
    </message>
    <message>
        <source>Hru pro vás vykopal tým Karvelun.</source>
        <translation>Dug out for you by the Karvelun team.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Nahoru</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Dolů</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Vlevo</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Vpravo</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Střelba</source>
        <translation>Fire</translation>
    </message>
    <message>
        <source>Bomba</source>
        <translation>Bomb</translation>
    </message>
    <message>
        <source>Pauza</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Rychlé uložení</source>
        <translation>Quick save</translation>
    </message>
    <message>
        <source>Rychlé nahrání</source>
        <translation>Quick load</translation>
    </message>
    <message>
        <source>Pohyb</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>D-pad, levá páčka</source>
        <translation>D-pad, left stick</translation>
    </message>
    <message>
        <source>A, pravý trigger</source>
        <translation>A, right trigger</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Menu a okna</source>
        <translation>Menus</translation>
    </message>
    <message>
        <source>Klávesnice</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>Ovladač</source>
        <translation>Game pad</translation>
    </message>
    <message>
        <source>Celá obrazovka</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Esc, Enter nebo F1 nápovědu zavře.</source>
        <translation>Esc, Enter or F1 closes the help.</translation>
    </message>
    <message>
        <source>Karvelun - nápověda</source>
        <translation>Karvelun - help</translation>
    </message>
    <message>
        <source>Od vlastní bomby ustupte aspoň tři políčka.</source>
        <translation>Keep at least three tiles away from your own bomb.</translation>
    </message>
    <message>
        <source>Držte střelbu ({Strelba}) a kouzla poletí jedno za druhým.</source>
        <translation>Hold fire ({Strelba}) and the spells fly one after another.</translation>
    </message>
    <message>
        <source>Ukládejte často: {Ulozit} hru rychle uloží, {Nahrat} ji vrátí.</source>
        <translation>Save often: {Ulozit} saves the game quickly, {Nahrat} brings it back.</translation>
    </message>
    <message>
        <source>B, A nebo Y nápovědu zavře.</source>
        <translation>B, A or Y closes the help.</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>F1 nelze zvolit, ve hře otevírá nápovědu.</source>
        <translation>F1 opens the help in the game; choose another.</translation>
    </message>
    <message>
        <source>%1 nelze zvolit, přepíná celou obrazovku.</source>
        <translation>%1 switches full screen; choose another.</translation>
    </message>
    <message>
        <source>Klávesu %1 už má příkaz %2.</source>
        <translation>The key %1 already belongs to %2.</translation>
    </message>
    <message>
        <source>Tuto klávesu hra nezná, zvolte jinou.</source>
        <translation>The game cannot see this key; choose another.</translation>
    </message>
</context>
<context>
    <name>LevelName</name>
    <message>
        <source>Vstup do jeskyně</source>
        <translation>Cave Entrance</translation>
    </message>
    <message>
        <source>Podzemní řeka</source>
        <translation>Underground River</translation>
    </message>
    <message>
        <source>Stará krypta</source>
        <translation>Old Crypt</translation>
    </message>
    <message>
        <source>Netopýří sluj</source>
        <translation>Bat Lair</translation>
    </message>
    <message>
        <source>Bořkova komora</source>
        <translation>Bořek&apos;s Storeroom</translation>
    </message>
    <message>
        <source>Pavoučí chodby</source>
        <translation>Spider Tunnels</translation>
    </message>
    <message>
        <source>Rozcestí</source>
        <translation>Crossroads</translation>
    </message>
    <message>
        <source>Brána hlubin</source>
        <translation>Gate of the Deep</translation>
    </message>
    <message>
        <source>Jezírko</source>
        <translation>The Pool</translation>
    </message>
    <message>
        <source>Zatopená síň</source>
        <translation>Flooded Hall</translation>
    </message>
    <message>
        <source>Hadí hnízdo</source>
        <translation>Snakes&apos; Nest</translation>
    </message>
    <message>
        <source>Ztracená studna</source>
        <translation>Lost Well</translation>
    </message>
    <message>
        <source>Vodopád</source>
        <translation>Waterfall</translation>
    </message>
    <message>
        <source>Slizová jezírka</source>
        <translation>Slime Pools</translation>
    </message>
    <message>
        <source>Stavidla</source>
        <translation>Sluices</translation>
    </message>
    <message>
        <source>Hráz</source>
        <translation>The Dam</translation>
    </message>
    <message>
        <source>Důlní vchod</source>
        <translation>Mine Entrance</translation>
    </message>
    <message>
        <source>Štola</source>
        <translation>The Adit</translation>
    </message>
    <message>
        <source>Skladiště</source>
        <translation>Storehouse</translation>
    </message>
    <message>
        <source>Hluboká šachta</source>
        <translation>Deep Shaft</translation>
    </message>
    <message>
        <source>Bořkova dílna</source>
        <translation>Bořek&apos;s Workshop</translation>
    </message>
    <message>
        <source>Zával</source>
        <translation>Cave-in</translation>
    </message>
    <message>
        <source>Zatopený důl</source>
        <translation>Flooded Mine</translation>
    </message>
    <message>
        <source>Skřetí tábor</source>
        <translation>Goblin Camp</translation>
    </message>
    <message>
        <source>Podzemní hřbitov</source>
        <translation>Underground Graveyard</translation>
    </message>
    <message>
        <source>Kostnice</source>
        <translation>Ossuary</translation>
    </message>
    <message>
        <source>Krypta králů</source>
        <translation>Crypt of Kings</translation>
    </message>
    <message>
        <source>Labyrint mrtvých</source>
        <translation>Maze of the Dead</translation>
    </message>
    <message>
        <source>Tichá kaple</source>
        <translation>Quiet Chapel</translation>
    </message>
    <message>
        <source>Síň duchů</source>
        <translation>Hall of Ghosts</translation>
    </message>
    <message>
        <source>Chodba pastí</source>
        <translation>Corridor of Traps</translation>
    </message>
    <message>
        <source>Hrobka strážce</source>
        <translation>Guardian&apos;s Tomb</translation>
    </message>
    <message>
        <source>Třpytivá jeskyně</source>
        <translation>Glittering Cave</translation>
    </message>
    <message>
        <source>Houbový les</source>
        <translation>Mushroom Forest</translation>
    </message>
    <message>
        <source>Jeskyně ozvěn</source>
        <translation>Cave of Echoes</translation>
    </message>
    <message>
        <source>Krystalové bludiště</source>
        <translation>Crystal Maze</translation>
    </message>
    <message>
        <source>Podzemní jezero</source>
        <translation>Underground Lake</translation>
    </message>
    <message>
        <source>Skrytá geoda</source>
        <translation>Hidden Geode</translation>
    </message>
    <message>
        <source>Orčí hlídka</source>
        <translation>Orc Watch</translation>
    </message>
    <message>
        <source>Krystalová brána</source>
        <translation>Crystal Gate</translation>
    </message>
    <message>
        <source>Velká brána</source>
        <translation>Great Gate</translation>
    </message>
    <message>
        <source>Sloupová síň</source>
        <translation>Hall of Pillars</translation>
    </message>
    <message>
        <source>Kovárna</source>
        <translation>The Forge</translation>
    </message>
    <message>
        <source>Trpasličí tržiště</source>
        <translation>Dwarf Market</translation>
    </message>
    <message>
        <source>Královská pokladnice</source>
        <translation>Royal Treasury</translation>
    </message>
    <message>
        <source>Trollí most</source>
        <translation>Trolls&apos; Bridge</translation>
    </message>
    <message>
        <source>Trůnní sál</source>
        <translation>Throne Hall</translation>
    </message>
    <message>
        <source>Zapečetěné dveře</source>
        <translation>Sealed Doors</translation>
    </message>
    <message>
        <source>Předsíň knihovny</source>
        <translation>Library Vestibule</translation>
    </message>
    <message>
        <source>Čítárna</source>
        <translation>Reading Room</translation>
    </message>
    <message>
        <source>Síň portálů</source>
        <translation>Hall of Portals</translation>
    </message>
    <message>
        <source>Archiv</source>
        <translation>The Archive</translation>
    </message>
    <message>
        <source>Alchymistova dílna</source>
        <translation>Alchemist&apos;s Room</translation>
    </message>
    <message>
        <source>Zrcadlová síň</source>
        <translation>Hall of Mirrors</translation>
    </message>
    <message>
        <source>Mágova věž</source>
        <translation>Mage&apos;s Tower</translation>
    </message>
    <message>
        <source>Ardanova pracovna</source>
        <translation>Ardan&apos;s Study</translation>
    </message>
    <message>
        <source>Horké chodby</source>
        <translation>Hot Galleries</translation>
    </message>
    <message>
        <source>Lávová řeka</source>
        <translation>River of Lava</translation>
    </message>
    <message>
        <source>Sopouch</source>
        <translation>Volcanic Vent</translation>
    </message>
    <message>
        <source>Výheň</source>
        <translation>The Furnace</translation>
    </message>
    <message>
        <source>Popelová pláň</source>
        <translation>Ash Plain</translation>
    </message>
    <message>
        <source>Pramen ohně</source>
        <translation>Fire Spring</translation>
    </message>
    <message>
        <source>Lávové jezero</source>
        <translation>Lake of Lava</translation>
    </message>
    <message>
        <source>Plamenná brána</source>
        <translation>Gate of Flames</translation>
    </message>
    <message>
        <source>Okraj propasti</source>
        <translation>Rim of the Chasm</translation>
    </message>
    <message>
        <source>Visuté mosty</source>
        <translation>Hanging Bridges</translation>
    </message>
    <message>
        <source>Kamenní strážci</source>
        <translation>Stone Guards</translation>
    </message>
    <message>
        <source>Rozbitý most</source>
        <translation>Broken Bridge</translation>
    </message>
    <message>
        <source>Poustevna</source>
        <translation>Hermitage</translation>
    </message>
    <message>
        <source>Sestup do tmy</source>
        <translation>Descent into Darkness</translation>
    </message>
    <message>
        <source>Dno propasti</source>
        <translation>Floor of the Chasm</translation>
    </message>
    <message>
        <source>Poslední most</source>
        <translation>The Last Bridge</translation>
    </message>
    <message>
        <source>Démonova brána</source>
        <translation>Demon Gate</translation>
    </message>
    <message>
        <source>Síň lebek</source>
        <translation>Hall of Skulls</translation>
    </message>
    <message>
        <source>Ohnivý labyrint</source>
        <translation>Fiery Maze</translation>
    </message>
    <message>
        <source>Chrám temnoty</source>
        <translation>Temple of Darkness</translation>
    </message>
    <message>
        <source>Poslední zkouška</source>
        <translation>The Last Trial</translation>
    </message>
    <message>
        <source>Studánka</source>
        <translation>The Spring</translation>
    </message>
    <message>
        <source>Předsíň srdce</source>
        <translation>Hall before the Heart</translation>
    </message>
    <message>
        <source>Práh</source>
        <translation>The Threshold</translation>
    </message>
    <message>
        <source>Srdce hory</source>
        <translation>Heart of the Mountain</translation>
    </message>
    <message>
        <source>Bořkova skrýš</source>
        <translation>Bořek&apos;s Refuge</translation>
    </message>
</context>
<context>
    <name>Load</name>
    <message>
        <source>%1. patro – %2</source>
        <translation>Floor %1 – %2</translation>
    </message>
    <message>
        <source>%1. patro</source>
        <translation>Floor %1</translation>
    </message>
    <message>
        <source>Doba hry: %1</source>
        <translation>Play time: %1</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Ano</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Ne</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Nahrát</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Zpět</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Uložit</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Nová hra</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Nastavení</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Verze kompilace: %1</source>
        <translation>Build version: %1</translation>
    </message>
    <message>
        <source>Karvelun jsme začali kopat v roce 2026. Od té doby se jeskyně rozrostla na %1 řádků zdrojového kódu a pořád v ní tu a tam něco šramotí.

Snad jsou to jen netopýři.</source>
        <translation>We started digging Karvelun in 2026. Since then the cave has grown to %1 lines of source code, and now and then something still rustles in it.

Hopefully just bats.</translation>
    </message>
    <message>
        <source>Hrát</source>
        <translation>Play</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Chyba během načítání...</source>
        <translation>Error while loading...</translation>
    </message>
    <message>
        <source>CHYBA!!</source>
        <translation>ERROR!!</translation>
    </message>
    <message>
        <source>CHYBA!</source>
        <translation>ERROR!</translation>
    </message>
    <message>
        <source>Uložená hra nebyla nalezena...</source>
        <translation>No saved game was found...</translation>
    </message>
    <message>
        <source>Karvelun už běží.</source>
        <translation>Karvelun is already running.</translation>
    </message>
    <message>
        <source>Hru nepůjde uložit.</source>
        <translation>The game cannot be saved.</translation>
    </message>
    <message>
        <source>Z kroniky jeskyně</source>
        <translation>From the cave&apos;s chronicle</translation>
    </message>
    <message>
        <source>Do složky %1 nelze zapisovat.</source>
        <translation>The folder %1 cannot be written to.</translation>
    </message>
    <message>
        <source>Chyba během načítání!</source>
        <translation>Error while loading!</translation>
    </message>
    <message>
        <source>Chyba při čištění paměti!</source>
        <translation>Error while freeing memory!</translation>
    </message>
    <message>
        <source>Nezapomněl jsem...</source>
        <translation>I did not forget...</translation>
    </message>
    <message>
        <source>...poděkovat za zvuky! Zvukovou knihovnu Tembra, která hře dává hlas, napsal tým Karvelun. Bez ní by v jeskyni bylo až příliš ticho.</source>
        <translation>...to give thanks for the sounds! Tembra, the sound library that gives the game its voice, was written by the Karvelun team. Without it the cave would be far too quiet.</translation>
    </message>
    <message>
        <source>Nastavení se nepodařilo uložit do souboru %1 (%2). Platí jen do konce této hry.</source>
        <translation>The settings could not be saved to the file %1 (%2). They hold only until this game ends.</translation>
    </message>
    <message>
        <source>Tato uložená hra patří ke kampani „%1“, která tu není.</source>
        <translation>This saved game belongs to the campaign “%1”, which is not here.</translation>
    </message>
    <message>
        <source>Tato uložená hra patří ke kampani „%1“, která se od té doby změnila.</source>
        <translation>This saved game belongs to the campaign “%1”, which has changed since.</translation>
    </message>
    <message>
        <source>Kampaň „%1“ je poškozená a nelze ji hrát.</source>
        <translation>The campaign “%1” is damaged and cannot be played.</translation>
    </message>
    <message>
        <source>Tato uložená hra nemá čitelný popis a nelze poznat, ke které kampani patří.</source>
        <translation>This saved game has no readable description, and which campaign it belongs to cannot be told.</translation>
    </message>
    <message numerus="yes">
        <source>Tuto hru uložila novější verze hry (popis hry je ve formátu verze %n) a tato ji nahrát neumí. Uložená hra zůstává, jak byla.</source>
        <translation>
            <numerusform>This game was saved by a newer version of the game (its description is of format version %n), and this version cannot load it. The saved game stays as it was.</numerusform>
            <numerusform>This game was saved by a newer version of the game (its description is of format version %n), and this version cannot load it. The saved game stays as it was.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Životy</source>
        <translation>Lives</translation>
    </message>
    <message>
        <source>Zkušenosti</source>
        <translation>Experience</translation>
    </message>
    <message>
        <source>Peníze</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Úroveň</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Síla magie</source>
        <translation>Magic power</translation>
    </message>
    <message>
        <source>Síla bomby</source>
        <translation>Bomb power</translation>
    </message>
    <message>
        <source>Dosah magie</source>
        <translation>Magic range</translation>
    </message>
    <message>
        <source>Dosah bomby</source>
        <translation>Bomb range</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Pauza</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>Playback</name>
    <message>
        <source>Soubor %1 není záznam hry Karvelun.</source>
        <translation>The file %1 is not a Karvelun recording.</translation>
    </message>
    <message>
        <source>Záznam %1 byl pořízen s jinou kampaní a nelze ho přehrát.</source>
        <translation>The recording %1 was made with another campaign and cannot be played.</translation>
    </message>
    <message>
        <source>Záznam %1 byl pořízen s jinými pravidly hry nebo je poškozený a nelze ho přehrát.</source>
        <translation>The recording %1 was made under other rules of the game or is damaged, and cannot be played.</translation>
    </message>
    <message>
        <source>Záznam %1 nelze přečíst.</source>
        <translation>The recording %1 cannot be read.</translation>
    </message>
    <message>
        <source>Pro přehrávání nelze vytvořit dočasnou složku.</source>
        <translation>No temporary folder can be made for the playback.</translation>
    </message>
    <message>
        <source>nejrychleji</source>
        <translation>fastest</translation>
    </message>
    <message>
        <source>%1×</source>
        <translation>%1×</translation>
    </message>
    <message>
        <source> – záznam, </source>
        <translation> – recording, </translation>
    </message>
    <message>
        <source>pozastaveno</source>
        <translation>paused</translation>
    </message>
    <message>
        <source>Záznam %1 patří ke kampani „%2“, která tu není.</source>
        <translation>The recording %1 belongs to the campaign “%2”, which is not here.</translation>
    </message>
    <message>
        <source>Záznam %1 pořídila novější verze hry (formát záznamu verze %2), tato ho neumí přehrát.</source>
        <translation>The recording %1 was made by a newer version of the game (recording format version %2); this one cannot play it.</translation>
    </message>
    <message>
        <source>Záznam %1 byl pořízen podle novějších pravidel hry (verze %2), tato hra zná pravidla jen do verze %3 a neumí ho přehrát.</source>
        <translation>The recording %1 was made under newer rules of the game (version %2); this game knows the rules only up to version %3 and cannot play it.</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Zpracování informací...</source>
        <translation>Processing...</translation>
    </message>
</context>
<context>
    <name>Question</name>
    <message>
        <source>Opravdu chcete ztratit neuloženou hru?</source>
        <translation>Do you really want to lose the unsaved game?</translation>
    </message>
    <message>
        <source>Opravdu chcete přepsat tuto pozici?</source>
        <translation>Do you really want to overwrite this save?</translation>
    </message>
    <message>
        <source>Pokračovat od příchodu do %1. patra?</source>
        <translation>Go on from your arrival on floor %1?</translation>
    </message>
    <message>
        <source>Hra nebyla řádně ukončena. Pokračovat od příchodu do %1. patra?</source>
        <translation>The game did not end properly. Go on from your arrival on floor %1?</translation>
    </message>
    <message>
        <source>Hra byla ukončena systémem. Pokračovat tam, kde jsi přestal?</source>
        <translation>The game was ended by the system. Go on where you left off?</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Zabitím monstra se otřásla celá hala!</source>
        <translation>The kill shook the whole hall!</translation>
    </message>
    <message numerus="yes">
        <source>Získal jsi %n zlatých!</source>
        <translation>
            <numerusform>You found %n gold piece!</numerusform>
            <numerusform>You found %n gold pieces!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Získal jsi %n zkušeností!</source>
        <translation>
            <numerusform>You gained %n experience point!</numerusform>
            <numerusform>You gained %n experience points!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n+</source>
        <translation>
            <numerusform>+%n</numerusform>
            <numerusform>+%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n-</source>
        <translation>
            <numerusform>-%n</numerusform>
            <numerusform>-%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Úroveň %n</source>
        <translation>
            <numerusform>Level %n</numerusform>
            <numerusform>Level %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Postoupil jsi na úroveň!</source>
        <translation>You reached a new level!</translation>
    </message>
    <message numerus="yes">
        <source>Získal jsi %n životů...</source>
        <translation>
            <numerusform>You gained %n life...</numerusform>
            <numerusform>You gained %n lives...</numerusform>
        </translation>
    </message>
    <message>
        <source>Hru se nepodařilo uložit...</source>
        <translation>The game could not be saved...</translation>
    </message>
    <message>
        <source>Hru se nepodařilo uložit, předchozí uložená hra zůstala beze změny...</source>
        <translation>The game could not be saved; the previous save is unchanged...</translation>
    </message>
    <message>
        <source>Hru nelze uložit, hrdina je mrtvý...</source>
        <translation>The game cannot be saved, the hero is dead...</translation>
    </message>
    <message>
        <source>Hra byla úspěšně uložena...</source>
        <translation>The game was saved...</translation>
    </message>
    <message>
        <source>Hra byla úspěšně načtena...</source>
        <translation>The game was loaded...</translation>
    </message>
    <message>
        <source>...a tak tvá duše odešla do astrálních sfér...    Game Over</source>
        <translation>...and so your soul departed to the astral spheres...    Game Over</translation>
    </message>
    <message>
        <source>Čas se zastavil...</source>
        <translation>Time stands still...</translation>
    </message>
    <message>
        <source>Čas běží dál...</source>
        <translation>Time flows on...</translation>
    </message>
    <message numerus="yes">
        <source>Aktuální mapa: %n</source>
        <translation>
            <numerusform>Current map: %n</numerusform>
            <numerusform>Current map: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Nelze načíst obrázek %1.</source>
        <translation>Cannot load the picture %1.</translation>
    </message>
    <message>
        <source>Jsi mrtev...</source>
        <translation>You are dead...</translation>
    </message>
    <message>
        <source>Monstrum bylo zabito...</source>
        <translation>The monster is slain...</translation>
    </message>
    <message numerus="yes">
        <source>Monstrum bylo zraněno za %n životů...</source>
        <translation>
            <numerusform>The monster lost %n life...</numerusform>
            <numerusform>The monster lost %n lives...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Byl jsi zraněn za %n životů...</source>
        <translation>
            <numerusform>You lost %n life...</numerusform>
            <numerusform>You lost %n lives...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Byl jsi vyléčen za %n životů...</source>
        <translation>
            <numerusform>You regained %n life...</numerusform>
            <numerusform>You regained %n lives...</numerusform>
        </translation>
    </message>
    <message>
        <source>Spustil jsi nějaký mechanismus...</source>
        <translation>You set off some mechanism...</translation>
    </message>
    <message>
        <source>Úroveň se nepodařilo uložit, zůstáváš zde...</source>
        <translation>The level could not be stored, you stay here...</translation>
    </message>
    <message>
        <source>...a tak jsi dohrál tuto hru...    Game Over</source>
        <translation>...and so you have finished this game...    Game Over</translation>
    </message>
    <message>
        <source>Síla +2</source>
        <translation>Power +2</translation>
    </message>
    <message>
        <source>Síla dračí bomby byla vylepšena!</source>
        <translation>Your dragon bomb grew stronger!</translation>
    </message>
    <message>
        <source>Síla +1</source>
        <translation>Power +1</translation>
    </message>
    <message>
        <source>Síla magické střely byla vylepšena!</source>
        <translation>Your magic missile grew stronger!</translation>
    </message>
    <message>
        <source>Dosah +1</source>
        <translation>Range +1</translation>
    </message>
    <message>
        <source>Dosah magické bomby byl vylepšen!</source>
        <translation>Your magic bomb reaches farther!</translation>
    </message>
    <message>
        <source>Dosah magické střely byl vylepšen!</source>
        <translation>Your magic missile flies farther!</translation>
    </message>
    <message>
        <source>Rychlost +1</source>
        <translation>Speed +1</translation>
    </message>
    <message>
        <source>Tvá rychlost byla vylepšena!</source>
        <translation>You grew swifter!</translation>
    </message>
    <message>
        <source>Záznam skončil: hrdina zahynul.</source>
        <translation>The recording ended: the hero died.</translation>
    </message>
    <message>
        <source>Záznam skončil: hra byla dohrána.</source>
        <translation>The recording ended: the game was finished.</translation>
    </message>
    <message>
        <source>Záznam skončil: hráč nahrál jinou hru.</source>
        <translation>The recording ended: the player loaded another game.</translation>
    </message>
    <message>
        <source>Záznam skončil: hráč hru opustil.</source>
        <translation>The recording ended: the player left the game.</translation>
    </message>
    <message numerus="yes">
        <source>Záznam je neúplný nebo poškozený, přehrávání skončilo po snímku %n.</source>
        <translation>
            <numerusform>The recording is incomplete or damaged; the playback ended after frame %n.</numerusform>
            <numerusform>The recording is incomplete or damaged; the playback ended after frame %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hra se od záznamu odchýlila ve snímku %n, přehrávání bylo zastaveno.</source>
        <translation>
            <numerusform>The game departed from the recording at frame %n; the playback was stopped.</numerusform>
            <numerusform>The game departed from the recording at frame %n; the playback was stopped.</numerusform>
        </translation>
    </message>
    <message>
        <source>Přehrávání bylo ukončeno.</source>
        <translation>The playback was ended.</translation>
    </message>
    <message>
        <source>Automatické uložení se nepodařilo...</source>
        <translation>The autosave failed...</translation>
    </message>
    <message>
        <source>Úroveň ze souboru %1 se změnila a hraje se nově.</source>
        <translation>The level in %1 has changed and is played anew.</translation>
    </message>
    <message>
        <source>Změněná úroveň se nedá přečíst, hraje se dál ta dosavadní: %1</source>
        <translation>The changed level does not read; the game goes on with the level as it was: %1</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Zvuky</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Hlasitost</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Hudba</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>Zpomalení hry</source>
        <translation>Slow down</translation>
    </message>
    <message>
        <source>Zvětšení</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Celá obrazovka</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Pauza při přepnutí okna</source>
        <translation>Pause in background</translation>
    </message>
    <message>
        <source>Pomoc na rozích</source>
        <translation>Help at corners</translation>
    </message>
    <message>
        <source>Jazyk</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Klávesy…</source>
        <translation>Keys…</translation>
    </message>
    <message>
        <source>Výchozí</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>Zpět</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>automaticky</source>
        <translation>automatic</translation>
    </message>
    <message>
        <source>vyplnit</source>
        <translation>fill</translation>
    </message>
    <message>
        <source>Ano</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Ne</source>
        <translation>No</translation>
    </message>
    <message>
        <source>žádné</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Šipky nahoru a dolů vybírají, vlevo a vpravo mění. Enter potvrdí, Esc zavře.</source>
        <translation>Up and Down choose, Left and Right change. Enter confirms, Esc closes.</translation>
    </message>
    <message>
        <source>Enter a pak nová klávesa. Esc vrátí zpět.</source>
        <translation>Enter, then the new key. Esc goes back.</translation>
    </message>
    <message>
        <source>Stiskněte novou klávesu pro příkaz %1 (Esc nechá starou).</source>
        <translation>Press the new key for %1 (Esc keeps the old one).</translation>
    </message>
    <message>
        <source>Karvelun - nastavení</source>
        <translation>Karvelun - settings</translation>
    </message>
    <message>
        <source>Klávesy</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Nastavení</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Obtížnost</source>
        <translation>Difficulty</translation>
    </message>
    <message>
        <source>lehká</source>
        <translation>easy</translation>
    </message>
    <message>
        <source>normální</source>
        <translation>normal</translation>
    </message>
</context>
</TS>
