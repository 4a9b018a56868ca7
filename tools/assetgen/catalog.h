#pragma once

#include <QImage>
#include <string>
#include <vector>

namespace assetgen {

// One numbered picture of a sheet, with the short name and intended use that
// level designers read in assets/README.md.
struct Picture {
    std::string name;
    std::string use;
    QImage image;  // opaque for tiles, ARGB with 0/255 alpha for masked pictures
};

constexpr int kTileSize = 20;
constexpr int kMonsterSize = 15;
constexpr int kItemSize = 18;
constexpr int kHeroSize = 15;

std::vector<Picture> TilePictures();     // sheet sc1; picture 0 is never drawn
std::vector<Picture> MonsterPictures();  // sheet sc2
std::vector<Picture> ItemPictures();     // sheet sc3
std::vector<Picture> HeroPictures();     // sheet sc4: down, up, right, left

QImage MissileSprite();                  // 4 x 4
QImage BombSprite();                     // 8 x 8
QImage FragmentSprite();                 // 12 x 12
std::vector<QImage> ExplosionFrames();   // 11 frames of 20 x 20
std::vector<QImage> TileEffectFrames();  // 11 frames of 20 x 20

// Everything drawn, made once and then cut into sheets and the contact sheet.
struct ArtSet {
    std::vector<Picture> tiles;
    std::vector<Picture> monsters;
    std::vector<Picture> items;
    std::vector<Picture> hero;
    QImage missile;
    QImage bomb;
    QImage fragment;
    std::vector<QImage> explosion;
    std::vector<QImage> tileEffect;
};

ArtSet BuildArtSet();

}  // namespace assetgen
