#include "game/desktop/layer_log.h"

#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace platform {

void NoteLayer(const QWidget& layer, bool shown) {
    static const char* path = std::getenv("KARVELUN_LAYER_LOG");
    if (!path || !*path) return;
    if (std::FILE* log = std::fopen(path, "a")) {
        std::fprintf(log, "%s %s\n", shown ? "shown" : "hidden", layer.metaObject()->className());
        std::fclose(log);
    }
}

}  // namespace platform
