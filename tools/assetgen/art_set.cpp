#include "catalog.h"

namespace assetgen {

ArtSet BuildArtSet() {
    ArtSet art;
    art.tiles = TilePictures();
    art.monsters = MonsterPictures();
    art.items = ItemPictures();
    art.hero = HeroPictures();
    art.missile = MissileSprite();
    art.bomb = BombSprite();
    art.fragment = FragmentSprite();
    art.explosion = ExplosionFrames();
    art.tileEffect = TileEffectFrames();
    return art;
}

}  // namespace assetgen
