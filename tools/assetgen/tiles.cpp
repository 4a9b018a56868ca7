// The tile sheet: the numbering level designers rely on.  New pictures go at
// the end; the numbers of existing ones never change.
#include "catalog.h"
#include "tile_kit.h"

namespace assetgen {

namespace {

// One seed for the whole set, so that a door frame matches the brick wall
// beside it and a lever stands on the same flagstones as the floor round it.
constexpr uint64_t kSeed = 1987;

struct TileEntry {
    const char* name;
    const char* use;
    QImage (*paint)(uint64_t);
};

QImage Unused(uint64_t) {
    return tiles::NewTile();
}

const TileEntry kTiles[] = {
    {"(none)", "never drawn: a tile with picture 0 stays black", Unused},
    // Floors.
    {"flagstones", "floor: flagstones, the common floor of halls and corridors", tiles::Flagstones},
    {"cobbles", "floor: cobbles", tiles::Cobbles},
    {"earth", "floor: bare earth of natural caves", tiles::CaveFloor},
    {"cracked flagstones", "floor: cracked flagstones", tiles::CrackedFlagstones},
    {"mossy flagstones", "floor: flagstones overgrown with moss", tiles::MossyFlagstones},
    {"boards", "floor: wooden boards (storerooms, mines)", tiles::Planks},
    {"hall slabs", "floor: chequered slabs of temples and great halls", tiles::HallTiles},
    {"gravel", "floor: gravel", tiles::Gravel},
    {"carpet", "floor: red carpet with a gold pattern (throne rooms)", tiles::Carpet},
    {"puddle", "floor: flagstones with a puddle", tiles::WetFlagstones},
    // Walls.
    {"brick wall", "wall: dressed stone bricks, the common wall", tiles::BrickWall},
    {"cave rock", "wall: raw cave rock", tiles::CaveRock},
    {"basalt blocks", "wall: large dark basalt blocks (crypts, vaults)", tiles::BasaltBlocks},
    {"mossy brick wall", "wall: bricks overgrown with moss", tiles::MossyBrickWall},
    {"shored rock", "wall: rock shored up with timber (mines)", tiles::MineWall},
    {"torch wall", "wall: bricks with a burning torch", tiles::TorchWall},
    {"pillar", "wall: round pillar standing on flagstones", tiles::Pillar},
    {"deep water", "wall: deep water that nobody crosses", tiles::DeepWater},
    {"lava", "wall: molten lava", tiles::Lava},
    {"chasm", "wall: bottomless chasm", tiles::Chasm},
    // Walls that give way, and their rubble.
    {"cracked wall", "destructible wall: cracked bricks; rubble 25", tiles::CrackedBrickWall},
    {"boulders", "destructible wall: heap of boulders; rubble 26", tiles::Boulders},
    {"barricade", "destructible wall: wooden barricade; rubble 27", tiles::Barricade},
    {"crystal vein", "destructible wall: rock with crystal veins; rubble 26", tiles::CrystalVein},
    {"brick rubble",
     "rubble: floor left by a destroyed brick wall (21, or 11 used as destructible)",
     tiles::BrickRubble},
    {"rock rubble", "rubble: floor left by destroyed rock (12, 22, 24)", tiles::RockRubble},
    {"splinters", "rubble: floor left by a destroyed barricade (23)", tiles::Splinters},
    // Doors and gates.
    {"closed door", "door, closed: wall; the door that shuts behind the hero in the last level",
     tiles::ClosedDoor},
    {"open door", "door, open: floor; the picture a mechanism gives a closed door it opens",
     tiles::OpenDoor},
    {"closed gate",
     "gate, closed: wall that reads as a barred passage; it can open (the last hall's gate)",
     tiles::ClosedGate},
    {"raised gate", "gate, raised: floor; the picture a mechanism gives a gate it opens",
     tiles::RaisedGate},
    {"iron door", "door, closed: riveted iron door (vaults); wall", tiles::IronDoor},
    // Tiles that act.
    {"signpost", "sign: wooden signpost", tiles::Signpost},
    {"runestone", "message screen: standing stone with glowing runes", tiles::Runestone},
    {"bronze plate", "sign or message screen: bronze plate set in the floor", tiles::FloorPlaque},
    {"blue portal", "teleport: blue rune circle", tiles::TeleportBlue},
    {"violet portal", "teleport: violet rune circle", tiles::TeleportViolet},
    {"stairs down", "level exit: stairs down (deeper into the cave)", tiles::StairsDown},
    {"stairs up", "level exit: stairs up (back towards the surface)", tiles::StairsUp},
    {"tunnel mouth", "level exit: mouth of a tunnel in the rock", tiles::TunnelMouth},
    {"lever", "mechanism: lever, not yet pulled", tiles::LeverOff},
    {"pulled lever", "floor: pulled lever; the picture a mechanism gives another lever",
     tiles::LeverOn},
    {"pressure plate", "mechanism: pressure plate", tiles::PressurePlate},
    {"rune button", "mechanism: round stone button with a red rune", tiles::RuneButton},
    {"spikes", "trap floor: spikes", tiles::SpikeTrap},
    {"fire grate", "trap floor: grate over embers", tiles::FireGrate},
    {"rune trap", "trap floor: thin dull-red sigil, the least plain of the traps", tiles::RuneTrap},
    // Decorations.
    {"bones", "decoration, floor: scattered bones and a skull", tiles::Bones},
    {"skulls", "decoration, floor: pile of skulls", tiles::Skulls},
    {"barrel", "decoration, wall: barrel", tiles::Barrel},
    {"crate", "decoration, wall: wooden crate", tiles::Crate},
    {"altar", "decoration, wall: altar with candles", tiles::Altar},
    {"statue", "decoration, wall: statue of a warrior", tiles::Statue},
    {"well", "decoration, wall: well", tiles::Well},
    {"brazier", "decoration, wall: burning brazier", tiles::Brazier},
    {"bookshelf", "decoration, wall: bookshelf", tiles::Bookshelf},
    {"mushrooms", "decoration, floor: glowing cave mushrooms", tiles::Mushrooms},
    {"cobweb", "decoration, floor: cobweb in a corner", tiles::Cobweb},
    {"throne", "decoration, wall: golden throne on a carpet", tiles::Throne},
    {"golden portal", "exit: golden portal, the end of the journey (the last level's final tile)",
     tiles::FinalPortal},
    {"crystals", "decoration, floor: crystal cluster", tiles::Crystals},
    {"grave", "decoration, wall: gravestone", tiles::Grave},
    {"bridge", "floor: plank bridge over the chasm (runs up and down)", tiles::Bridge},
};

}  // namespace

std::vector<Picture> TilePictures() {
    std::vector<Picture> pictures;
    for (const TileEntry& entry : kTiles) {
        pictures.push_back({entry.name, entry.use, entry.paint(kSeed)});
    }
    return pictures;
}

}  // namespace assetgen
