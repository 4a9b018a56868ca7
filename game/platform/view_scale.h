// How large the game's windows are shown: a whole number of device pixels for
// each of the game's own pixels, chosen by the player or fitted to the
// screen, and the mapping between the game's pixels and the toolkit's units
// (which are device pixels divided by the screen's pixel ratio).
#pragma once

#include <cmath>

namespace platform {

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

// The largest whole scale s >= 1 with s * client.width + frame.width <=
// available.width and s * client.height + frame.height <= available.height;
// 1 when even that does not fit.  All sizes in device pixels.
int AutomaticScale(PixelSize available, PixelSize frame, PixelSize client);

// The largest whole scale at which the client fills at most the screen (no
// frame), at least 1.
int FullScreenScale(PixelSize screen, PixelSize client);

// The scale of a framed window: the chosen one (1 or more) or, for 0, the
// automatic one.
int WindowedScale(int chosen, PixelSize available, PixelSize frame, PixelSize client);

// The player's choice "fill" (setup.ini's Zvetseni=vypln): the largest
// factor that fits, not necessarily whole.
inline constexpr int kFillChoice = 5;

// The largest factor f >= 1, not necessarily whole, with f * client +
// frame <= available on both axes; 1 when even 1 does not fit.
double FillFactor(PixelSize available, PixelSize frame, PixelSize client);

// How the windows are enlarged: a whole scale, and for a filling view the
// factor that fills (then `whole` is its whole part, at least 1, which
// decides what stays whole: fonts, borders, the settings tool).
struct ScaleChoice {
    int whole = 1;
    double fill = 0.0;  // 0: the whole scale alone
    bool Fills() const { return fill > 0.0; }
    double Factor() const { return Fills() ? fill : whole; }
};

// The scale of the game's windows.  A chosen whole scale holds in a window;
// full screen takes the largest whole scale that fits the screen.  Filling
// is chosen with kFillChoice, and automatically (choice 0) in full screen
// when 1 is the largest whole scale that fits but the screen has room for
// more; a window on automatic keeps the largest whole scale, so that what
// is sharp stays as it is.
ScaleChoice ChooseScale(int chosen, bool fullScreen, PixelSize screen, PixelSize available,
                        PixelSize frame, PixelSize client);

// The texts a player reads drawn larger (setup.ini's VelkePismo=Ano): the
// windows that are read -- the help, the settings, the notices, the dialogs
// -- are shown this much larger, their layout with their letters, so that
// nothing is cut off; the log and the signs over the field get letters this
// much taller.  Rounded to whole pixels an 11-pixel letter becomes 15.
inline constexpr double kLargeTextZoom = 1.35;

// A window enlarged for reading: the factor times kLargeTextZoom, but no
// more than `fitting` (the factor at which the window just fits the screen),
// and never below the factor itself.
ScaleChoice ReadingLarger(ScaleChoice choice, double fitting);

// A size in toolkit units as device pixels.
PixelSize DevicePixels(int widthUnits, int heightUnits, double pixelRatio);

// Where a window's content lies and how large its pixels are, in toolkit
// units: the game's pixel (x, y) covers [origin + x * unit, origin + (x + 1)
// * unit).
struct ViewPlacement {
    int scale = 1;            // device pixels per game pixel (the whole part when filling)
    double pixelRatio = 1.0;  // device pixels per toolkit unit
    double originX = 0.0;     // the game's (0, 0), in toolkit units
    double originY = 0.0;
    double fill = 0.0;  // a filling view's factor, device pixels per game pixel; 0 for none

    bool Fills() const { return fill > 0.0; }
    double Factor() const { return Fills() ? fill : scale; }
    double Unit() const { return Factor() / pixelRatio; }
    // The device pixels that `pixels` game pixels from the origin cover.
    int DevicePixelsOf(int pixels) const {
        return static_cast<int>(std::lround(pixels * Factor()));
    }
    // A game coordinate as toolkit units, rounded to whole units.
    int UnitsX(int x) const { return static_cast<int>(std::lround(originX + x * Unit())); }
    int UnitsY(int y) const { return static_cast<int>(std::lround(originY + y * Unit())); }
    // The game pixel under a point given in toolkit units.  A point on the
    // edge of a block belongs to it however the division rounds.
    int PixelX(double unitsX) const { return PixelOf((unitsX - originX) / Unit()); }
    int PixelY(double unitsY) const { return PixelOf((unitsY - originY) / Unit()); }

  private:
    static int PixelOf(double pixels) { return static_cast<int>(std::floor(pixels + 1e-6)); }
};

// The placement of a window that is not centred in a larger area: its
// content from the window's own top-left corner.
ViewPlacement FramedPlacement(ScaleChoice scale, double pixelRatio);

// The placement of a client of `client` game pixels centred in an area of
// `area` toolkit units (a window filling the screen), each game pixel
// `scale` device pixels (or the filling factor).  The origin falls on a
// whole device pixel.
ViewPlacement CentredPlacement(PixelSize client, ScaleChoice scale, double pixelRatio,
                               double areaWidth, double areaHeight);
inline ViewPlacement CentredPlacement(PixelSize client, int scale, double pixelRatio,
                                      double areaWidth, double areaHeight) {
    return CentredPlacement(client, ScaleChoice{scale, 0.0}, pixelRatio, areaWidth, areaHeight);
}

}  // namespace platform
