#pragma once

#include <QImage>
#include <cstdint>

namespace assetgen::tiles {

// The side of a tile in pixels.
inline constexpr int kSize = 20;

QImage NewTile();

// An object standing on the floor, with its shadow.
void Place(QImage& tile, const QImage& object, int x = 0, int y = 0);

// Ground that other pictures stand on.
QImage Flagstones(uint64_t seed);
QImage Cobbles(uint64_t seed);
QImage CaveFloor(uint64_t seed);
QImage CrackedFlagstones(uint64_t seed);
QImage MossyFlagstones(uint64_t seed);
QImage Planks(uint64_t seed);
QImage HallTiles(uint64_t seed);
QImage Gravel(uint64_t seed);
QImage Carpet(uint64_t seed);
QImage WetFlagstones(uint64_t seed);

// Walls.
QImage BrickWall(uint64_t seed);
QImage CaveRock(uint64_t seed);
QImage BasaltBlocks(uint64_t seed);
QImage MossyBrickWall(uint64_t seed);
QImage MineWall(uint64_t seed);
QImage TorchWall(uint64_t seed);
QImage Pillar(uint64_t seed);
QImage DeepWater(uint64_t seed);
QImage Lava(uint64_t seed);
QImage Chasm(uint64_t seed);

// Walls that give way, and what is left of them.
QImage CrackedBrickWall(uint64_t seed);
QImage Boulders(uint64_t seed);
QImage Barricade(uint64_t seed);
QImage CrystalVein(uint64_t seed);
QImage BrickRubble(uint64_t seed);
QImage RockRubble(uint64_t seed);
QImage Splinters(uint64_t seed);

// Doors and gates, set in a stone frame that joins the brick wall.
QImage ClosedDoor(uint64_t seed);
QImage OpenDoor(uint64_t seed);
QImage ClosedGate(uint64_t seed);
QImage RaisedGate(uint64_t seed);
QImage IronDoor(uint64_t seed);

// Tiles that act when the hero steps on them.
QImage Signpost(uint64_t seed);
QImage Runestone(uint64_t seed);
QImage FloorPlaque(uint64_t seed);
QImage TeleportBlue(uint64_t seed);
QImage TeleportViolet(uint64_t seed);
QImage StairsDown(uint64_t seed);
QImage StairsUp(uint64_t seed);
QImage TunnelMouth(uint64_t seed);
QImage LeverOff(uint64_t seed);
QImage LeverOn(uint64_t seed);
QImage PressurePlate(uint64_t seed);
QImage RuneButton(uint64_t seed);
QImage SpikeTrap(uint64_t seed);
QImage FireGrate(uint64_t seed);
QImage RuneTrap(uint64_t seed);
QImage FinalPortal(uint64_t seed);

// Decorations.
QImage Bones(uint64_t seed);
QImage Skulls(uint64_t seed);
QImage Barrel(uint64_t seed);
QImage Crate(uint64_t seed);
QImage Altar(uint64_t seed);
QImage Statue(uint64_t seed);
QImage Well(uint64_t seed);
QImage Brazier(uint64_t seed);
QImage Bookshelf(uint64_t seed);
QImage Mushrooms(uint64_t seed);
QImage Cobweb(uint64_t seed);
QImage Throne(uint64_t seed);
QImage Crystals(uint64_t seed);
QImage Grave(uint64_t seed);
QImage Bridge(uint64_t seed);

}  // namespace assetgen::tiles
