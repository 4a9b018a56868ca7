<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Achievements</name>
    <message>
        <source>Čistý štít</source>
        <translation>Clean Shield</translation>
    </message>
    <message>
        <source>Projděte I. dějstvím bez jediné smrti.</source>
        <translation>Get through act I without a single death.</translation>
    </message>
    <message>
        <source>Bez lektvaru</source>
        <translation>No Potion</translation>
    </message>
    <message>
        <source>Projděte celým dějstvím, aniž vypijete jediný lektvar.</source>
        <translation>Get through a whole act without drinking a single potion.</translation>
    </message>
    <message>
        <source>Průzkumník</source>
        <translation>Explorer</translation>
    </message>
    <message>
        <source>Najděte všechna tajemství jednoho dějství.</source>
        <translation>Find every secret of one act.</translation>
    </message>
    <message>
        <source>Všechna tajemství</source>
        <translation>Every Secret</translation>
    </message>
    <message>
        <source>Najděte všechna tajemství celé jeskyně.</source>
        <translation>Find every secret of the whole cave.</translation>
    </message>
    <message>
        <source>Bořkovo útočiště</source>
        <translation>Bořek&apos;s Refuge</translation>
    </message>
    <message>
        <source>Najděte skrytou cestu do Bořkova útočiště.</source>
        <translation>Find the hidden way to Bořek&apos;s refuge.</translation>
    </message>
    <message>
        <source>Srdce hory</source>
        <translation>Heart of the Mountain</translation>
    </message>
    <message>
        <source>Dojděte na konec jeskyně v normální hře.</source>
        <translation>Reach the end of the cave in the normal game.</translation>
    </message>
    <message>
        <source>Srdce hory lehkou cestou</source>
        <translation>Heart of the Mountain the Easy Way</translation>
    </message>
    <message>
        <source>Dojděte na konec jeskyně v lehké hře.</source>
        <translation>Reach the end of the cave in the easy game.</translation>
    </message>
    <message>
        <source>Rychlý jako vítr</source>
        <translation>Swift as the Wind</translation>
    </message>
    <message>
        <source>Projděte celou jeskyní za méně než tři hodiny hraní.</source>
        <translation>Get through the whole cave in less than three hours of play.</translation>
    </message>
    <message>
        <source>Páni hlubin padli</source>
        <translation>The Lords of the Deep Have Fallen</translation>
    </message>
    <message>
        <source>Porazte pány hlubin v poslední síni, aniž přijdete o jediný život.</source>
        <translation>Defeat the lords of the deep in the last hall without losing a single life.</translation>
    </message>
    <message>
        <source>Nesmrtelný</source>
        <translation>Deathless</translation>
    </message>
    <message>
        <source>Projděte celou jeskyní bez jediné smrti.</source>
        <translation>Get through the whole cave without a single death.</translation>
    </message>
    <message>
        <source>Jedním dechem</source>
        <translation>In One Breath</translation>
    </message>
    <message>
        <source>Projděte celou jeskyní, aniž nahrajete uloženou hru.</source>
        <translation>Get through the whole cave without loading a saved game.</translation>
    </message>
    <message>
        <source>Lovec</source>
        <translation>Hunter</translation>
    </message>
    <message>
        <source>Zabijte v jedné hře 300 nestvůr.</source>
        <translation>Kill 300 monsters in one game.</translation>
    </message>
    <message>
        <source>Poklad hory</source>
        <translation>Treasure of the Mountain</translation>
    </message>
    <message>
        <source>Nasbírejte v jedné hře 2500 zlatých.</source>
        <translation>Gather 2500 gold in one game.</translation>
    </message>
</context>
<context>
    <name>Campaigns</name>
    <message>
        <source>Původní kampaň</source>
        <translation>The original campaign</translation>
    </message>
    <message>
        <source>pater: %1</source>
        <translation>floors: %1</translation>
    </message>
    <message>
        <source>%1, verze %2, pater: %3</source>
        <translation>%1, version %2, floors: %3</translation>
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
        <translation>This game carries on the revival of the old school, which is and always will be the best thing that ever happened to games.</translation>
    </message>
    <message>
        <source>Pokud jste stejně jako já příznivcem dob dávno minulých, jistě s hrou zažijete mnoho pěkných chvil. Odhalte tajemství jeskyně!</source>
        <translation>If, like me, you love the days of old, you are sure to have many happy hours with this game. Uncover the secret of the cave!</translation>
    </message>
    <message>
        <source>Líbí se vám hra, nebo jste v ní našli chybu? Napište nám na tym@karvelun.invalid, každý dopis nás potěší.</source>
        <translation>Do you like the game, or have you found a bug in it? Write to us at tym@karvelun.invalid; every letter makes our day.</translation>
    </message>
    <message>
        <source>Hru pro vás vykopal tým Karvelun.</source>
        <translation>Dug out for you by the Karvelun team.</translation>
    </message>
    <message>
        <source>Z – záznamy</source>
        <translation>Z – records</translation>
    </message>
</context>
<context>
    <name>Floor</name>
    <message>
        <source>%1. patro: %2</source>
        <translation>Floor %1: %2</translation>
    </message>
    <message>
        <source>%1. patro</source>
        <translation>Floor %1</translation>
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
        <translation>Gamepad</translation>
    </message>
    <message>
        <source>Celá obrazovka</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Karvelun - nápověda</source>
        <translation>Karvelun - Help</translation>
    </message>
    <message>
        <source>Od vlastní bomby ustupte aspoň tři políčka.</source>
        <translation>Step at least three tiles away from your own bomb.</translation>
    </message>
    <message>
        <source>Držte střelbu ({Strelba}) a kouzla poletí jedno za druhým.</source>
        <translation>Hold down {Strelba} and your spells fly one after another.</translation>
    </message>
    <message>
        <source>Ukládejte často: {Ulozit} hru rychle uloží, {Nahrat} ji vrátí.</source>
        <translation>Save often: {Ulozit} makes a quick save, {Nahrat} brings it back.</translation>
    </message>
    <message>
        <source>B, A nebo Y nápovědu zavře.</source>
        <translation>B, A or Y closes the help.</translation>
    </message>
    <message>
        <source>Esc, Enter nebo F1 nápovědu zavře, Z ukáže záznamy.</source>
        <translation>Esc, Enter or F1 closes the help, Z shows the records.</translation>
    </message>
    <message>
        <source>Stiskněte střelbu ({Strelba}) a kouzla poletí, dalším stiskem přestanou.</source>
        <translation>Press fire ({Strelba}) and the spells fly; press it again and they stop.</translation>
    </message>
    <message>
        <source>F2 přečte životy, peníze a patro nahlas.</source>
        <translation>F2 reads your lives, gold and floor aloud.</translation>
    </message>
    <message>
        <source>Nastavení: blikání, velké písmo, střelba přepínačem, předčítání.</source>
        <translation>Settings: flashing, large text, toggle fire, read aloud.</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>F1 nelze zvolit, ve hře otevírá nápovědu.</source>
        <translation>F1 cannot be chosen: it opens the help during play.</translation>
    </message>
    <message>
        <source>%1 nelze zvolit, přepíná celou obrazovku.</source>
        <translation>%1 cannot be chosen: it switches full screen.</translation>
    </message>
    <message>
        <source>Klávesu %1 už má příkaz %2.</source>
        <translation>The key %1 is already taken by %2.</translation>
    </message>
    <message>
        <source>Tuto klávesu hra nezná, zvolte jinou.</source>
        <translation>The game does not know this key; choose another.</translation>
    </message>
</context>
<context>
    <name>LevelName</name>
    <message>
        <source>Vstup do jeskyně</source>
        <translation>The Cave Mouth</translation>
    </message>
    <message>
        <source>Podzemní řeka</source>
        <translation>Underground River</translation>
    </message>
    <message>
        <source>Stará krypta</source>
        <translation>The Old Crypt</translation>
    </message>
    <message>
        <source>Netopýří sluj</source>
        <translation>Bat Lair</translation>
    </message>
    <message>
        <source>Bořkova komora</source>
        <translation>Bořek&apos;s Cache</translation>
    </message>
    <message>
        <source>Pavoučí chodby</source>
        <translation>Spider Tunnels</translation>
    </message>
    <message>
        <source>Rozcestí</source>
        <translation>The Crossroads</translation>
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
        <translation>Snake Nest</translation>
    </message>
    <message>
        <source>Ztracená studna</source>
        <translation>The Lost Well</translation>
    </message>
    <message>
        <source>Vodopád</source>
        <translation>The Waterfall</translation>
    </message>
    <message>
        <source>Slizová jezírka</source>
        <translation>Slime Pools</translation>
    </message>
    <message>
        <source>Stavidla</source>
        <translation>The Sluices</translation>
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
        <translation>The Storehouse</translation>
    </message>
    <message>
        <source>Hluboká šachta</source>
        <translation>The Deep Shaft</translation>
    </message>
    <message>
        <source>Bořkova dílna</source>
        <translation>Bořek&apos;s Workshop</translation>
    </message>
    <message>
        <source>Zával</source>
        <translation>The Cave-In</translation>
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
        <translation>Graveyard Below</translation>
    </message>
    <message>
        <source>Kostnice</source>
        <translation>The Ossuary</translation>
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
        <translation>The Quiet Chapel</translation>
    </message>
    <message>
        <source>Síň duchů</source>
        <translation>Hall of Ghosts</translation>
    </message>
    <message>
        <source>Chodba pastí</source>
        <translation>Trap Corridor</translation>
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
        <translation>The Great Gate</translation>
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
        <translation>Troll Bridge</translation>
    </message>
    <message>
        <source>Trůnní sál</source>
        <translation>Throne Hall</translation>
    </message>
    <message>
        <source>Zapečetěné dveře</source>
        <translation>The Sealed Doors</translation>
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
        <translation>Alchemist&apos;s Den</translation>
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
        <translation>Hot Tunnels</translation>
    </message>
    <message>
        <source>Lávová řeka</source>
        <translation>Lava River</translation>
    </message>
    <message>
        <source>Sopouch</source>
        <translation>The Vent</translation>
    </message>
    <message>
        <source>Výheň</source>
        <translation>The Furnace</translation>
    </message>
    <message>
        <source>Popelová pláň</source>
        <translation>The Ash Plain</translation>
    </message>
    <message>
        <source>Pramen ohně</source>
        <translation>Fire Spring</translation>
    </message>
    <message>
        <source>Lávové jezero</source>
        <translation>Lava Lake</translation>
    </message>
    <message>
        <source>Plamenná brána</source>
        <translation>Flame Gate</translation>
    </message>
    <message>
        <source>Okraj propasti</source>
        <translation>The Chasm&apos;s Edge</translation>
    </message>
    <message>
        <source>Visuté mosty</source>
        <translation>Hanging Bridges</translation>
    </message>
    <message>
        <source>Kamenní strážci</source>
        <translation>Stone Guardians</translation>
    </message>
    <message>
        <source>Rozbitý most</source>
        <translation>Broken Bridge</translation>
    </message>
    <message>
        <source>Poustevna</source>
        <translation>The Hermitage</translation>
    </message>
    <message>
        <source>Sestup do tmy</source>
        <translation>Into the Dark</translation>
    </message>
    <message>
        <source>Dno propasti</source>
        <translation>Rock Bottom</translation>
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
        <translation>Maze of Fire</translation>
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
        <translation>The Antechamber</translation>
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
        <translation>Bořek&apos;s Hideout</translation>
    </message>
</context>
<context>
    <name>Load</name>
    <message>
        <source>Doba hry: %1</source>
        <translation>Play time: %1</translation>
    </message>
    <message>
        <source>%1, lehká</source>
        <translation>%1, easy</translation>
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
        <source>%1 patro %2</source>
        <translation>floor %1 %2</translation>
    </message>
    <message>
        <source>Karvelun jsme začali kopat v roce 2026. Od té doby se jeskyně rozrostla na %1 řádků zdrojového kódu a pořád v ní tu a tam něco šramotí.

Snad jsou to jen netopýři.</source>
        <translation>We started digging Karvelun in 2026. Since then the cave has grown to %1 lines of source code, and now and then something still rustles in it.

Let&apos;s hope it&apos;s only bats.</translation>
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
        <translation>You will not be able to save the game.</translation>
    </message>
    <message>
        <source>Z kroniky jeskyně</source>
        <translation>From the chronicle of the cave</translation>
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
        <translation>I haven&apos;t forgotten...</translation>
    </message>
    <message>
        <source>...poděkovat za zvuky! Zvukovou knihovnu Tembra, která hře dává hlas, napsal tým Karvelun. Bez ní by v jeskyni bylo až příliš ticho.</source>
        <translation>...to say thank you for the sounds! Tembra, the sound library that gives the game its voice, was written by the Karvelun team. Without it the cave would be far too quiet.</translation>
    </message>
    <message>
        <source>Nastavení se nepodařilo uložit do souboru %1 (%2). Platí jen do konce této hry.</source>
        <translation>The settings could not be saved to the file %1 (%2). They last only until you leave the game.</translation>
    </message>
    <message>
        <source>Tato uložená hra patří ke kampani „%1“, která tu není.</source>
        <translation>This saved game belongs to the campaign “%1”, which is not installed.</translation>
    </message>
    <message>
        <source>Tato uložená hra patří ke kampani „%1“, která se od té doby změnila.</source>
        <translation>This saved game belongs to the campaign “%1”, which has changed since then.</translation>
    </message>
    <message>
        <source>Kampaň „%1“ je poškozená a nelze ji hrát.</source>
        <translation>The campaign “%1” is damaged and cannot be played.</translation>
    </message>
    <message>
        <source>Tato uložená hra nemá čitelný popis a nelze poznat, ke které kampani patří.</source>
        <translation>This saved game has no readable description, so there is no telling which campaign it belongs to.</translation>
    </message>
    <message numerus="yes">
        <source>Tuto hru uložila novější verze hry (popis hry je ve formátu verze %n) a tato ji nahrát neumí. Uložená hra zůstává, jak byla.</source>
        <translation>
            <numerusform>This game was saved by a newer version of the game (description format version %n), and this version cannot load it. The saved game is left as it was.</numerusform>
            <numerusform>This game was saved by a newer version of the game (description format version %n), and this version cannot load it. The saved game is left as it was.</numerusform>
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
        <translation>The recording %1 was made with a different campaign and cannot be played.</translation>
    </message>
    <message>
        <source>Záznam %1 byl pořízen s jinými pravidly hry nebo je poškozený a nelze ho přehrát.</source>
        <translation>The recording %1 was made under different rules of the game, or is damaged, and cannot be played.</translation>
    </message>
    <message>
        <source>Záznam %1 nelze přečíst.</source>
        <translation>The recording %1 cannot be read.</translation>
    </message>
    <message>
        <source>Pro přehrávání nelze vytvořit dočasnou složku.</source>
        <translation>Cannot make a temporary folder for the playback.</translation>
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
        <translation>The recording %1 belongs to the campaign “%2”, which is not installed.</translation>
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
        <translation>Do you really want to lose your unsaved game?</translation>
    </message>
    <message>
        <source>Opravdu chcete přepsat tuto pozici?</source>
        <translation>Do you really want to overwrite this save?</translation>
    </message>
    <message>
        <source>Hra byla ukončena systémem. Pokračovat tam, kde jsi přestal?</source>
        <translation>The system closed the game. Carry on where you left off?</translation>
    </message>
    <message>
        <source>Pokračovat od příchodu do %1. patra?</source>
        <translation>Go on from your arrival on floor %1?</translation>
    </message>
    <message>
        <source>Hra nebyla řádně ukončena. Pokračovat od posledního příchodu?
%1</source>
        <translation>The game was not shut down properly. Carry on from your last arrival?
%1</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>ověřeno</source>
        <translation>verified</translation>
    </message>
    <message>
        <source>neověřeno</source>
        <translation>unverified</translation>
    </message>
    <message>
        <source>lehká</source>
        <translation>easy</translation>
    </message>
    <message>
        <source>normální</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>Tato hra: %1, smrtí %2, nahrání %3, zabitých %4, zlata %5</source>
        <translation>This game: %1, deaths %2, loads %3, kills %4, gold %5</translation>
    </message>
    <message>
        <source>Nejlepší výkony</source>
        <translation>Personal bests</translation>
    </message>
    <message>
        <source>Zatím žádné: dohrajte některé dějství.</source>
        <translation>None yet: finish an act.</translation>
    </message>
    <message>
        <source>Jeskyně</source>
        <translation>The cave</translation>
    </message>
    <message>
        <source>celá</source>
        <translation>whole</translation>
    </message>
    <message>
        <source>dějství %1</source>
        <translation>act %1</translation>
    </message>
    <message>
        <source>nejrychleji %1 (%2)</source>
        <translation>fastest %1 (%2)</translation>
    </message>
    <message>
        <source>nejméně smrtí %1 (%2)</source>
        <translation>fewest deaths %1 (%2)</translation>
    </message>
    <message>
        <source>Ocenění: %1 z %2</source>
        <translation>Achievements: %1 of %2</translation>
    </message>
    <message>
        <source>Karvelun - záznamy</source>
        <translation>Karvelun - records</translation>
    </message>
    <message>
        <source>Záznamy</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Šipky posouvají, Esc nebo Enter záznamy zavře.</source>
        <translation>The arrows scroll, Esc or Enter closes the records.</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>Zabitím monstra se otřásla celá hala!</source>
        <translation>The monster&apos;s death shook the whole hall!</translation>
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
        <translation>You went up a level!</translation>
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
        <translation>The game could not be saved; the previous save is left as it was...</translation>
    </message>
    <message>
        <source>Hru nelze uložit, hrdina je mrtvý...</source>
        <translation>The game cannot be saved: the hero is dead...</translation>
    </message>
    <message>
        <source>Hra byla úspěšně uložena...</source>
        <translation>The game has been saved...</translation>
    </message>
    <message>
        <source>Hra byla úspěšně načtena...</source>
        <translation>The game has been loaded...</translation>
    </message>
    <message>
        <source>Lehká hra</source>
        <translation>Easy game</translation>
    </message>
    <message>
        <source>...a tak tvá duše odešla do astrálních sfér...    Game Over</source>
        <translation>...and so your soul departed for the astral spheres...
Game Over</translation>
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
        <translation>The monster was slain...</translation>
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
        <translation>You set off a mechanism...</translation>
    </message>
    <message>
        <source>Úroveň se nepodařilo uložit, zůstáváš zde...</source>
        <translation>The level could not be saved; you stay here...</translation>
    </message>
    <message>
        <source>...a tak jsi dohrál tuto hru...    Game Over</source>
        <translation>...and so you have finished this game...
Game Over</translation>
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
            <numerusform>The game no longer matched the recording at frame %n; the playback was stopped.</numerusform>
            <numerusform>The game no longer matched the recording at frame %n; the playback was stopped.</numerusform>
        </translation>
    </message>
    <message>
        <source>Přehrávání bylo ukončeno.</source>
        <translation>The playback was stopped.</translation>
    </message>
    <message>
        <source>Automatické uložení se nepodařilo...</source>
        <translation>The autosave failed...</translation>
    </message>
    <message>
        <source>Úroveň ze souboru %1 se změnila a hraje se nově.</source>
        <translation>The level in %1 has changed; playing the new version.</translation>
    </message>
    <message>
        <source>Změněná úroveň se nedá přečíst, hraje se dál ta dosavadní: %1</source>
        <translation>The changed level cannot be read; the game goes on with the level as it was: %1</translation>
    </message>
    <message>
        <source>Získal jsi ocenění: %1</source>
        <translation>You have earned an achievement: %1</translation>
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
        <translation>Slowdown</translation>
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
        <translation>Slide past corners</translation>
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
        <translation>Karvelun - Settings</translation>
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
        <source>Obtížnost platí od příští nové hry.</source>
        <translation>The difficulty applies from the next new game.</translation>
    </message>
    <message>
        <source>lehká</source>
        <translation>easy</translation>
    </message>
    <message>
        <source>normální</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>Časomíra</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Blikání</source>
        <translation>Flashing</translation>
    </message>
    <message>
        <source>Velké písmo</source>
        <translation>Large text</translation>
    </message>
    <message>
        <source>Střelba přepínačem</source>
        <translation>Toggle fire</translation>
    </message>
    <message>
        <source>Mrtvá zóna páčky</source>
        <translation>Stick dead zone</translation>
    </message>
    <message>
        <source>Předčítání</source>
        <translation>Read aloud</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Životy %1 z %2, peníze %3, %4.</source>
        <translation>Lives %1 of %2, gold %3, %4.</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>Soubor %1 nelze přečíst jako nastavení, platí výchozí nastavení</source>
        <translation>%1 cannot be read as a settings file; using the defaults</translation>
    </message>
    <message>
        <source>Kampaň %1 je vynechána: %2</source>
        <translation>The campaign %1 is left out: %2</translation>
    </message>
    <message>
        <source>Soubor úrovně %1 se nepodařilo zapsat (%2)</source>
        <translation>Could not write the level file %1 (%2)</translation>
    </message>
    <message>
        <source>Soubor %1 nelze použít: %2</source>
        <translation>Cannot use %1: %2</translation>
    </message>
    <message>
        <source>Odstraňuji poškozený záznam o ukládání %1</source>
        <translation>Removing the damaged save record %1</translation>
    </message>
    <message>
        <source>Předchozí uložená hra se vrátí při příštím spuštění: %1</source>
        <translation>The previous save will be put back at the next start: %1</translation>
    </message>
    <message>
        <source>Nová uložená hra se dokončí při příštím spuštění: %1</source>
        <translation>The new save will be put in place at the next start: %1</translation>
    </message>
    <message>
        <source>Záložní kopie uložené hry se odstraní při příštím spuštění: %1</source>
        <translation>The save&apos;s spare copies will be removed at the next start: %1</translation>
    </message>
    <message>
        <source>Přerušené ukládání se nepodařilo dokončit ani vrátit: %1</source>
        <translation>An interrupted save could be neither finished nor undone: %1</translation>
    </message>
    <message>
        <source>Hra nebyla uložena: %1</source>
        <translation>The game was not saved: %1</translation>
    </message>
    <message>
        <source>Automatické uložení se nepodařilo: %1</source>
        <translation>The autosave failed: %1</translation>
    </message>
    <message>
        <source>Kampaň %1 nelze hrát: %2</source>
        <translation>The campaign %1 cannot be played: %2</translation>
    </message>
    <message>
        <source>Zvuková knihovna chybí, hra poběží bez zvuku</source>
        <translation>No sound library, playing silently</translation>
    </message>
    <message>
        <source>Žádné zvukové zařízení, hra poběží bez zvuku</source>
        <translation>No sound output device, playing silently</translation>
    </message>
    <message>
        <source>Zvukové zařízení nelze otevřít (%1), hra poběží bez zvuku</source>
        <translation>The sound device could not be opened (%1); playing silently</translation>
    </message>
    <message>
        <source>Zvuky se nepodařilo zastavit (%1)</source>
        <translation>Stopping the sounds failed (%1)</translation>
    </message>
    <message>
        <source>Zvukové zařízení se nepodařilo zavřít (%1)</source>
        <translation>Closing the sound device failed (%1)</translation>
    </message>
    <message>
        <source>Pro záznam hry není složka</source>
        <translation>There is no folder for the game&apos;s recording</translation>
    </message>
    <message>
        <source>Hru nelze zaznamenat do %1</source>
        <translation>Cannot record the game to %1</translation>
    </message>
    <message>
        <source>Nahranou hru %1 nelze zaznamenat</source>
        <translation>The loaded game %1 cannot be recorded</translation>
    </message>
    <message>
        <source>Změněnou hru nelze zaznamenat, její soubory nelze přečíst</source>
        <translation>The changed game cannot be recorded: its files cannot be read</translation>
    </message>
    <message>
        <source>Změněnou hru nelze zaznamenat (%1)</source>
        <translation>The changed game cannot be recorded (%1)</translation>
    </message>
    <message>
        <source>Anglické texty chybí, hra poběží česky</source>
        <translation>The English texts are missing; playing in Czech</translation>
    </message>
    <message>
        <source>Texty úrovní zůstanou česky: %1</source>
        <translation>The levels&apos; texts stay in Czech: %1</translation>
    </message>
    <message>
        <source>Neznámá volba %1</source>
        <translation>Unknown option %1</translation>
    </message>
    <message>
        <source>Volbě %1 chybí hodnota</source>
        <translation>The option %1 needs a value</translation>
    </message>
    <message>
        <source>Nečekaný argument %1</source>
        <translation>Unexpected argument %1</translation>
    </message>
    <message>
        <source>--replay a --level nelze použít spolu</source>
        <translation>--replay and --level cannot be used together</translation>
    </message>
    <message>
        <source>--speed patří k --replay</source>
        <translation>--speed goes with --replay</translation>
    </message>
    <message>
        <source>--speed musí být 1, 2, 8 nebo 0, ne %1</source>
        <translation>--speed must be 1, 2, 8 or 0, not %1</translation>
    </message>
    <message>
        <source>--level potřebuje soubor</source>
        <translation>--level needs a file</translation>
    </message>
    <message>
        <source>--tile patří k --level</source>
        <translation>--tile goes with --level</translation>
    </message>
    <message>
        <source>--tile potřebuje políčko od 0 do 624, ne %1</source>
        <translation>--tile needs a tile from 0 to 624, not %1</translation>
    </message>
    <message>
        <source>Úroveň %1, políčko %2: text „%3“ nemá anglické znění, zůstane česky</source>
        <translation>Level %1, tile %2: the text “%3” has no English and stays in Czech</translation>
    </message>
    <message>
        <source>Soubor záznamů %1 nejde přečíst (%2): leží nyní jako %3 a záznamy začínají prázdné</source>
        <translation>The records file %1 does not read (%2): it now lies as %3 and the records start empty</translation>
    </message>
    <message>
        <source>Soubor záznamů %1 nejde přečíst (%2): záznamy začínají prázdné a nezapíší se přes něj</source>
        <translation>The records file %1 does not read (%2): the records start empty and are not written over it</translation>
    </message>
    <message>
        <source>Záznamy nelze zapsat do %1: %2</source>
        <translation>The records cannot be written into %1: %2</translation>
    </message>
    <message>
        <source>Nahrávky záznamů nešlo přehrát</source>
        <translation>The records&apos; recordings could not be replayed</translation>
    </message>
</context>
<context>
    <name>Timer</name>
    <message>
        <source>%1. dějství %2</source>
        <translation>Act %1 %2</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>Použití: karvelun [--level SOUBOR [--tile N] | --replay SOUBOR [--speed N]]
Akční hra s pohledem shora v jeskyni plné příšer.

  --level SOUBOR   nová hra rovnou na jedné úrovni: zdroj v textu, mapa
                   Tiled nebo soubor úrovně (pro autory úrovní)
  --tile N         políčko, na kterém hrdina začne (0 až 624)
  --replay SOUBOR  přehraje záznam hry
  --speed N        rychlost přehrávání: 1, 2, 8, nebo 0 (co nejrychleji)
  --help           vypíše tuto nápovědu
  --version        vypíše verzi hry
</source>
        <translation>Usage: karvelun [--level FILE [--tile N] | --replay FILE [--speed N]]
A top-down action game in a cave full of monsters.

  --level FILE   start a new game straight on one level: a text source, a
                 Tiled map or a level file (for level designers)
  --tile N       the tile the hero starts on (0 to 624)
  --replay FILE  watch a recorded game
  --speed N      the speed of watching: 1, 2, 8, or 0 (as fast as it goes)
  --help         print this help
  --version      print the game&apos;s version
</translation>
    </message>
</context>
</TS>
