// Writes a campaign of one level for the end-to-end check: an open hall of
// floor (picture 1), every tile already seen, no monsters and no items, so
// that the hero can walk in any direction from where a new game puts him.
//
//   open_campaign <path of levels.all>
#include <cstdio>

#include "game/levels/byte_stream.h"
#include "game/levels/file_io.h"
#include "game/levels/level_record.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: open_campaign <path of levels.all>\n");
        return 2;
    }
    game::LevelRecord hall;
    for (game::TileRecord& tile : hall.tiles) {
        tile.Picture = 1;
        tile.Revealed = -1;
    }
    game::ByteWriter package;
    package.Int32(1);
    game::WriteLevelRecord(package, 0, hall);
    if (!game::WriteWholeFile(argv[1], package.Bytes(), false)) {
        std::fprintf(stderr, "open_campaign: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
