#include "campaign/campaign_sources.h"

#include <algorithm>
#include <fstream>

#include "tools/levels/compiler/campaign_source.h"

namespace campaign_testing {

namespace fs = std::filesystem;

namespace {

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

CampaignSources::CampaignSources(fs::path folder) : folder_(std::move(folder)) {
    fs::create_directories(folder_);
    WriteText(folder_ / "legend.txt",
              "tile # 11 wall\n"
              "tile . 1 floor\n"
              "tile 0 1 floor\ntile 1 1 floor\ntile 2 1 floor\ntile 3 1 floor\n"
              "tile 4 1 floor\ntile 5 1 floor\ntile 6 1 floor\ntile 7 1 floor\n"
              "tile 8 1 floor\ntile 9 1 floor\n"
              "tile % 21 breakable 3 25\n"
              "tile & 22 breakable 6 26\n"
              "tile D 28 wall\n"
              "tile ~ 18 wall\n"
              "tile ^ 45 trap\n"
              "monster r 0 0 1 3\n"
              "item $ 0 0\n"
              "item f 8 8\n"
              "item k 9 9\n");
}

void CampaignSources::Level(int n, const std::string& map, const std::string& legend,
                            const std::string& things) {
    std::string text = "[map]\n" + map + "\n";
    if (!things.empty()) {
        // The layer's rows from the top; the rest of its 25 rows are empty.
        std::string layer = things;
        if (layer.back() != '\n') layer += '\n';
        for (auto rows = std::count(layer.begin(), layer.end(), '\n'); rows < 25; ++rows)
            layer += '\n';
        text += "[things]\n" + layer;
    }
    if (!legend.empty()) text += "[legend]\n" + legend + "\n";
    WriteText(folder_ / ("level" + std::to_string(n) + ".txt"), text);
}

std::string CampaignSources::Room() {
    std::string map = std::string(25, '#') + "\n";
    for (int row = 1; row < 24; ++row)
        map += "#" + std::string(23, '.') + "#\n";
    return map + std::string(25, '#');
}

game::PackageRecord CampaignSources::Compile(int count) {
    for (int n = 0; n < count; ++n)
        if (!fs::exists(folder_ / ("level" + std::to_string(n) + ".txt"))) Level(n, Room());
    return levels_tool::CompileCampaign(folder_);
}

}  // namespace campaign_testing
