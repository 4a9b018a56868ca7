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
    // The rim also where the shape meets the picture's edge, beyond which
    // the floor shows (creatures; not pieces stamped into a larger picture).
    bool rimAtEdges = false;
};

// Creatures and items, drawn on their own over any floor: lit, and rimmed
// in black all round, the picture's edges included.
inline constexpr SpriteStyle kOnTheFloorStyle{.shade = true, .outline = true, .rimAtEdges = true};

// Paints a character map into an ARGB picture with fully transparent or fully
// opaque pixels.  Every row must be as long as the first.
QImage PaintSprite(const PixelMap& rows, const Legend& legend, SpriteStyle style = {});

// The same map seen from the other side; the light still comes from the left.
PixelMap MirrorMap(const PixelMap& rows);

// Adds the dark rim round every opaque shape of a picture; with atEdges,
// also on the shape's pixels along the picture's edge.
void AddOutline(QImage& sprite, QRgb colour, bool atEdges = false);

// Copies the opaque pixels of a sprite onto a picture.
void Stamp(QImage& target, const QImage& sprite, int x, int y);

// The wall torch, 8 x 11, burning: on torch walls and beside the menu's gate.
QImage TorchSprite();

}  // namespace assetgen
