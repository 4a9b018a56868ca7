#pragma once

#include <QImage>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace assetgen {

// One character of a drawn map: its colour, and whether the renderer shades
// it by the shared light (lighter on the top and left edges of a shape,
// darker on the bottom and right ones).
struct Ink {
    QRgb colour = 0;
    bool shaded = true;
};

class Legend {
  public:
    // '.' and ' ' are always transparent; 'o' is the black outline unless
    // redefined.
    Legend();
    Legend& Set(char key, QRgb colour, bool shaded = true);
    const Ink* Find(char key) const;

  private:
    std::array<std::optional<Ink>, 128> inks_;
};

using PixelMap = std::vector<std::string>;

struct SpriteStyle {
    bool shade = true;    // light the shaded inks from the top left
    bool outline = true;  // a dark rim round the whole shape
};

// Paints a character map into an ARGB picture with fully transparent or fully
// opaque pixels.  Every row must be as long as the first.
QImage PaintSprite(const PixelMap& rows, const Legend& legend, SpriteStyle style = {});

// The same map seen from the other side; the light still comes from the left.
PixelMap MirrorMap(const PixelMap& rows);

// Adds the dark rim round every opaque shape of a picture.
void AddOutline(QImage& sprite, QRgb colour);

// Copies the opaque pixels of a sprite onto a picture.
void Stamp(QImage& target, const QImage& sprite, int x, int y);

// The wall torch, 8 x 11, burning: on torch walls and beside the menu's gate.
QImage TorchSprite();

}  // namespace assetgen
