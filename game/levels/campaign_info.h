// campaign.ini: what a campaign of one's own says about itself, beside its
// levels.all in its folder.  UTF-8 lines "Key=value":
//   Nazev=   its name (required)
//   Autor=   who made it
//   Verze=   its version
//   Jazyk=   the languages its texts are written in: cs, en or cs,en
//   Konec=   N,T: stepping on tile T of level N ends its game (required)
//   Popis=   a line about it (optional)
//   Format=  the version of the pack's format, 1 when there is no such line
//            (Verze= is the author's own version of his campaign)
// Empty lines and lines starting with "#" or ";" are skipped; a line break
// may be CR LF; other keys are refused, so a misspelt one is noticed.  A
// pack of a later format than kCampaignFormat is refused, naming it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace game {

inline constexpr const char* kCampaignInfoFileName = "campaign.ini";
// The format of the packs this game reads and the level tool writes.
inline constexpr int32_t kCampaignFormat = 1;

struct CampaignInfo {
    std::string name;
    std::string author;
    std::string version;
    std::vector<std::string> languages = {"cs"};
    int32_t endLevel = 0;
    int32_t endTile = 0;
    std::string description;
    int32_t format = kCampaignFormat;

    bool operator==(const CampaignInfo&) const = default;
};

// Nothing, with "line N: why" (or what is missing) in *error, for a file
// that is not a campaign.ini.  Tiles run from 0 to 624, levels from 0; the
// ending may not be the tile a new game begins on.  The texts come without
// direction controls (below).
std::optional<CampaignInfo> ParseCampaignInfo(std::string_view text, std::string* error);
// The file as the level tool writes it (UTF-8, LF line breaks).
std::string FormatCampaignInfo(const CampaignInfo& info);

// UTF-8 text without the marks and embeddings that turn the direction of
// what follows them (U+061C, U+200E, U+200F, U+202A to U+202E, U+2066 to
// U+2069): a pack's name holding U+202E would draw the rest of its line in
// the list reversed.
std::string WithoutDirectionControls(std::string_view text);

}  // namespace game
