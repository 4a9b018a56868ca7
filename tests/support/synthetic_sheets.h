// Small picture sheets made in the test, laid out like sc1 ... sc7, with one
// plain colour per picture so that a drawn pixel tells what was drawn there.
// Every masked picture is transparent in its left column (white mask, black
// image) and solid elsewhere.
#pragma once

#include <cstdint>

namespace testing_support {

// Colours: the red channel tells the kind of picture, the green one its
// number; blue is always full, so none is black.
constexpr uint32_t PictureColour(uint32_t kind, uint32_t number) {
    return 0xFF0000FFu | (kind << 16) | ((number & 0xFF) << 8);
}
constexpr uint32_t TileColour(int p) {
    return PictureColour(0x10, p);
}
constexpr uint32_t MonsterColour(int p) {
    return PictureColour(0x20, p);
}
constexpr uint32_t ItemColour(int p) {
    return PictureColour(0x30, p);
}
constexpr uint32_t HeroColour(int facing) {
    return PictureColour(0x40, facing);
}
constexpr uint32_t MissileColour() {
    return PictureColour(0x50, 0);
}
constexpr uint32_t BombColour() {
    return PictureColour(0x60, 0);
}
constexpr uint32_t ExplosionColour(int frame) {
    return PictureColour(0x70, frame);
}
constexpr uint32_t FragmentColour() {
    return PictureColour(0x80, 0);
}
constexpr uint32_t TileEffectColour(int frame) {
    return PictureColour(0x90, frame);
}

// Builds the seven sheets as the game's Surfaces (device context and bitmap
// each), replacing any that are there.
void InstallSyntheticSheets();
// Frees them again.
void RemoveSyntheticSheets();

}  // namespace testing_support
