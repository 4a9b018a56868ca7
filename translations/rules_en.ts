<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs">
<context>
    <name>Rules</name>
    <message numerus="yes">
        <source>Získal jsi %n zkušeností!</source>
        <translation>
            <numerusform>You gained %n experience point!</numerusform>
            <numerusform>You gained %n experience points!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Získal jsi %n zlatých!</source>
        <translation>
            <numerusform>You found %n gold piece!</numerusform>
            <numerusform>You found %n gold pieces!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Získal jsi %n životů...</source>
        <translation>
            <numerusform>You gained %n life...</numerusform>
            <numerusform>You gained %n lives...</numerusform>
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
    <message numerus="yes">
        <source>Monstrum bylo zraněno za %n životů...</source>
        <translation>
            <numerusform>The monster lost %n life...</numerusform>
            <numerusform>The monster lost %n lives...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Úroveň %n</source>
        <translation>
            <numerusform>Level %n</numerusform>
            <numerusform>Level %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Aktuální mapa: %n</source>
        <translation>
            <numerusform>Current map: %n</numerusform>
            <numerusform>Current map: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n+</source>
        <translation>
            <numerusform>%n+</numerusform>
            <numerusform>%n+</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n-</source>
        <translation>
            <numerusform>%n-</numerusform>
            <numerusform>%n-</numerusform>
        </translation>
    </message>
    <message>
        <source>Nelze načíst obrázek %1.</source>
        <translation>Cannot load the picture %1.</translation>
    </message>
    <message>
        <source>Monstrum bylo zabito...</source>
        <translation>The monster is slain...</translation>
    </message>
    <message>
        <source>Postoupil jsi na úroveň!</source>
        <translation>You reached a new level!</translation>
    </message>
    <message>
        <source>Jsi mrtev...</source>
        <translation>You are dead...</translation>
    </message>
    <message>
        <source>Síla +2</source>
        <translation>Power +2</translation>
    </message>
    <message>
        <source>Síla +1</source>
        <translation>Power +1</translation>
    </message>
    <message>
        <source>Dosah +1</source>
        <translation>Range +1</translation>
    </message>
    <message>
        <source>Rychlost +1</source>
        <translation>Speed +1</translation>
    </message>
    <message>
        <source>Síla dračí bomby byla vylepšena!</source>
        <translation>Your dragon bomb grew stronger!</translation>
    </message>
    <message>
        <source>Síla magické střely byla vylepšena!</source>
        <translation>Your magic missile grew stronger!</translation>
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
        <source>Tvá rychlost byla vylepšena!</source>
        <translation>You grew swifter!</translation>
    </message>
    <message>
        <source>Spustil jsi nějaký mechanismus...</source>
        <translation>You set off some mechanism...</translation>
    </message>
    <message>
        <source>Zabitím monstra se otřásla celá hala!</source>
        <translation>The kill shook the whole hall!</translation>
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
    <message>
        <source>Hra byla úspěšně uložena...</source>
        <translation>The game was saved...</translation>
    </message>
    <message>
        <source>Hra byla úspěšně načtena...</source>
        <translation>The game was loaded...</translation>
    </message>
    <message>
        <source>Uložená hra nebyla nalezena...</source>
        <translation>No saved game was found...</translation>
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
        <source>Chyba během načítání...</source>
        <translation>Error while loading...</translation>
    </message>
    <message>
        <source>Chyba během načítání!</source>
        <translation>Error while loading!</translation>
    </message>
    <message>
        <source>Chyba při čištění paměti!</source>
        <translation>Error while freeing memory!</translation>
    </message>
</context>
</TS>
