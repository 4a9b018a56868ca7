#include "game/platform/view_scale.h"

#include <algorithm>
#include <cmath>

namespace platform {

int AutomaticScale(PixelSize available, PixelSize frame, PixelSize client) {
    if (client.width <= 0 || client.height <= 0) return 1;
    const int byWidth = (available.width - frame.width) / client.width;
    const int byHeight = (available.height - frame.height) / client.height;
    return std::max(1, std::min(byWidth, byHeight));
}

int FullScreenScale(PixelSize screen, PixelSize client) {
    return AutomaticScale(screen, PixelSize{}, client);
}

int WindowedScale(int chosen, PixelSize available, PixelSize frame, PixelSize client) {
    if (chosen >= 1) return chosen;
    return AutomaticScale(available, frame, client);
}

double FillFactor(PixelSize available, PixelSize frame, PixelSize client) {
    if (client.width <= 0 || client.height <= 0) return 1.0;
    const double byWidth = static_cast<double>(available.width - frame.width) / client.width;
    const double byHeight = static_cast<double>(available.height - frame.height) / client.height;
    return std::max(1.0, std::min(byWidth, byHeight));
}

ScaleChoice ChooseScale(int chosen, bool fullScreen, PixelSize screen, PixelSize available,
                        PixelSize frame, PixelSize client) {
    auto filling = [](double factor) {
        // A factor that is whole after all is shown as that whole scale.
        const int whole = std::max(1, static_cast<int>(std::floor(factor + 1e-9)));
        if (factor - whole < 1e-9) return ScaleChoice{whole, 0.0};
        return ScaleChoice{whole, factor};
    };
    if (fullScreen) {
        const int whole = FullScreenScale(screen, client);
        if (chosen == kFillChoice || (chosen == 0 && whole == 1))
            return filling(FillFactor(screen, PixelSize{}, client));
        return ScaleChoice{whole, 0.0};
    }
    if (chosen == kFillChoice) return filling(FillFactor(available, frame, client));
    return ScaleChoice{WindowedScale(chosen, available, frame, client), 0.0};
}

ScaleChoice ReadingLarger(ScaleChoice choice, double fitting) {
    const double factor = choice.Factor();
    const double larger = std::max(factor, std::min(factor * kLargeTextZoom, fitting));
    if (larger - factor < 1e-9) return choice;
    return ScaleChoice{choice.whole, larger};
}

PixelSize DevicePixels(int widthUnits, int heightUnits, double pixelRatio) {
    return {static_cast<int>(std::lround(widthUnits * pixelRatio)),
            static_cast<int>(std::lround(heightUnits * pixelRatio))};
}

ViewPlacement FramedPlacement(ScaleChoice scale, double pixelRatio) {
    return ViewPlacement{std::max(scale.whole, 1), pixelRatio, 0.0, 0.0, scale.fill};
}

ViewPlacement CentredPlacement(PixelSize client, ScaleChoice scale, double pixelRatio,
                               double areaWidth, double areaHeight) {
    ViewPlacement placement = FramedPlacement(scale, pixelRatio);
    // Whole device pixels, so that every game pixel stays an s x s block
    // (or, filling, the content lies on the same pixel grid as its image).
    const double spareX = areaWidth * pixelRatio - placement.DevicePixelsOf(client.width);
    const double spareY = areaHeight * pixelRatio - placement.DevicePixelsOf(client.height);
    placement.originX = std::max(0.0, std::floor(spareX / 2)) / pixelRatio;
    placement.originY = std::max(0.0, std::floor(spareY / 2)) / pixelRatio;
    return placement;
}

}  // namespace platform
