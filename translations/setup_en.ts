<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
    <name>Message</name>
    <message>
        <source>Do složky %1 nelze zapisovat.</source>
        <translation>The folder %1 cannot be written to.</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Zvuky</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Uložit a skončit</source>
        <translation>Save and quit</translation>
    </message>
    <message>
        <source>Hlasitost zvuků</source>
        <translation>Sound volume</translation>
    </message>
    <message>
        <source>Nastavení ticku</source>
        <translation>Slowdown (tick)</translation>
    </message>
    <message>
        <source>Zvětšení</source>
        <translation>Scale</translation>
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
        <source>Hrdina zaseknutý o roh zdi sklouzne k průchodu vedle sebe</source>
        <translation>A hero caught on the corner of a wall slides into the opening beside him</translation>
    </message>
    <message>
        <source>Hudba</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>Klávesy</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Klepněte a stiskněte novou klávesu</source>
        <translation>Click, then press the new key</translation>
    </message>
    <message>
        <source>Výchozí</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>CHYBA!</source>
        <translation>ERROR!</translation>
    </message>
    <message>
        <source>Nastavení se nepodařilo uložit:
%1

Zkontrolujte, zda lze do složky zapisovat
a zda je na disku volné místo, a zkuste to znovu.</source>
        <translation>The settings could not be saved:
%1

Check that the folder can be written to
and that the disk has free space, then try again.</translation>
    </message>
    <message>
        <source>Jazyk</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Obtížnost</source>
        <translation>Difficulty</translation>
    </message>
    <message>
        <source>normální</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>lehká</source>
        <translation>easy</translation>
    </message>
    <message>
        <source>Pro každého hráče</source>
        <translation>For every player</translation>
    </message>
    <message>
        <source>Blikání</source>
        <translation>Flashing</translation>
    </message>
    <message>
        <source>Vypnuto: zásah, málo životů ani výbuch nebliká ani nepulzuje.</source>
        <translation>Off: no flash or pulse for hits, low lives or explosions.</translation>
    </message>
    <message>
        <source>Velké písmo</source>
        <translation>Large text</translation>
    </message>
    <message>
        <source>Texty ve hře nejméně o třetinu větší.</source>
        <translation>The game&apos;s texts at least a third larger.</translation>
    </message>
    <message>
        <source>Střelba přepínačem</source>
        <translation>Toggle fire</translation>
    </message>
    <message>
        <source>Jeden stisk střelby začne střílet, další stisk přestane.</source>
        <translation>One press of fire starts firing, the next press stops it.</translation>
    </message>
    <message>
        <source>Mrtvá zóna páčky</source>
        <translation>Stick dead zone</translation>
    </message>
    <message>
        <source>Jak daleko je třeba vychýlit levou páčku ovladače.</source>
        <translation>How far the pad&apos;s left stick must be pushed.</translation>
    </message>
    <message>
        <source>Předčítání</source>
        <translation>Read aloud</translation>
    </message>
    <message>
        <source>Hra čte nahlas nabídky, cedule a zprávy.</source>
        <translation>The game reads menus, signs and messages aloud.</translation>
    </message>
    <message>
        <source>Nastavení nelze zapsat do %1: %2</source>
        <translation>Cannot write the settings to %1: %2</translation>
    </message>
    <message>
        <source>Neznámá volba %1</source>
        <translation>Unknown option %1</translation>
    </message>
    <message>
        <source>Použití: %1 [--help]
Nastavení hry Karvelun v jednom okně: zvuk, hlasitost, tempo hry, okna, hudba,
jazyk, obtížnost a klávesy. Uloží je do setup.ini, který hra čte při spuštění.

  --help  vypíše tuto nápovědu
</source>
        <translation>Usage: %1 [--help]
The settings of the game Karvelun in one window: sound, volume, the game&apos;s
pace, the windows, music, language, difficulty and keys. They are saved to
the setup.ini the game reads when it starts.

  --help  print this help
</translation>
    </message>
    <message>
        <source>Časomíra</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Čas hry v rohu hrací plochy a mezičas každého dějství</source>
        <translation>The game&apos;s time in a corner of the play field, and each act&apos;s split</translation>
    </message>
</context>
</TS>
