#include "game/desktop/sheet_surfaces.h"

#include "game/core/game_state.h"
#include "game/desktop/picture.h"
#include "game/platform/surface.h"

namespace game {

bool LoadSurfaces(std::string* failedPath) {
    FreeSurfaces();
    for (int k = 1; k <= kSheetCount; ++k) {
        std::string path = Places.data + "/obr/sc" + std::to_string(k);
        std::string error;
        auto sheet = platform::LoadPictureFile(path, &error);
        if (!sheet) {
            FreeSurfaces();
            if (failedPath) *failedPath = path;
            return false;
        }
        int16_t i = AppendEntry(Surfaces, SurfaceCount);
        Surface& s = Surfaces[i];
        s.Width = static_cast<int16_t>(sheet->width);
        s.Height = static_cast<int16_t>(sheet->height);
        s.Dc = platform::CreateCompatibleDC();
        s.Bitmap = platform::CreateCompatibleBitmap(s.Width, s.Height);
        platform::SelectObject(s.Dc, s.Bitmap);
        *platform::SurfaceOfBitmap(s.Bitmap) = std::move(*sheet);
    }
    return true;
}

void FreeSurfaces() {
    for (int i = 0; i < SurfaceCount; ++i) {
        platform::DeleteDC(Surfaces[i].Dc);
        platform::DeleteObject(Surfaces[i].Bitmap);
    }
    ClearList(Surfaces, SurfaceCount);
}

}  // namespace game
