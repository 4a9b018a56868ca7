#include "tools/levels/compiler/english_texts.h"

#include <algorithm>

#include "game/core/game_state.h"
#include "tools/levels/bots/campaign_routes.h"

namespace levels_tool {
namespace {

bool HasText(const game::TileRecord& tile) {
    return (tile.Kind == game::kSign || tile.Kind == game::kMessageScreen) && !tile.Param1.empty();
}

const char* What(const game::TileRecord& tile) {
    return tile.Kind == game::kSign ? "the sign's text" : "the message screen's text";
}

// The first words of a text, to find it in the source.
std::string Quote(const std::string& text) {
    constexpr size_t kShown = 40;
    if (text.size() <= kShown) return "\"" + text + "\"";
    size_t cut = kShown;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;  // not inside a letter
    return "\"" + text.substr(0, cut) + "...\"";
}

std::string Joined(const std::vector<std::string>& words) {
    if (words.empty()) return "none";
    std::string out;
    for (const std::string& word : words)
        out += (out.empty() ? "" : " ") + word;
    return out;
}

// Every tile with a text the player reads (a sign's, a message screen's),
// level by level.
template <typename Visit>
void ForEachText(const game::PackageRecord& package, Visit visit) {
    for (size_t n = 0; n < package.levels.size(); ++n)
        for (int32_t t = 0; t < game::kTileCount; ++t) {
            const game::TileRecord& tile = package.levels[n].tiles[t];
            if (HasText(tile)) visit(static_cast<int32_t>(n), t, tile);
        }
}

}  // namespace

std::vector<std::string> BracedWords(const std::string& text) {
    std::vector<std::string> words;
    for (size_t open = text.find('{'); open != std::string::npos; open = text.find('{', open + 1)) {
        const size_t close = text.find_first_of("{}", open + 1);
        const std::string word =
            close != std::string::npos && text[close] == '}'
                ? text.substr(open, close - open + 1)
                : text.substr(open, std::min<size_t>(close, text.size()) - open);
        if (std::find(words.begin(), words.end(), word) == words.end()) words.push_back(word);
    }
    return words;
}

EnglishReport CheckEnglish(const game::PackageRecord& package, const EnglishLookup& english,
                           bool required) {
    EnglishReport report;
    ForEachText(package, [&](int32_t level, int32_t t, const game::TileRecord& tile) {
        const std::string* text = english(level, t, tile.Param1);
        if (!text) {
            (required ? report.problems : report.notes)
                .push_back(TilePlace(level, t) + ": " + What(tile) + " " + Quote(tile.Param1) +
                           " has no English text (en \"...\")");
            return;
        }
        std::vector<std::string> czech = BracedWords(tile.Param1), translated = BracedWords(*text);
        std::sort(czech.begin(), czech.end());
        std::sort(translated.begin(), translated.end());
        if (czech != translated)
            report.problems.push_back(TilePlace(level, t) + ": the English text " + Quote(*text) +
                                      " names the keys " + Joined(translated) +
                                      ", the Czech text " + Joined(czech));
    });
    return report;
}

EnglishLookup SourceEnglish(const EnglishTexts& texts) {
    return [&texts](int32_t level, int32_t tile, const std::string&) -> const std::string* {
        auto l = texts.find(level);
        if (l == texts.end()) return nullptr;
        auto t = l->second.find(tile);
        return t == l->second.end() ? nullptr : &t->second;
    };
}

std::map<std::string, std::string> EnglishCatalogue(const game::PackageRecord& package,
                                                    const EnglishTexts& texts,
                                                    std::vector<std::string>& problems) {
    std::map<std::string, std::string> catalogue;
    std::map<std::string, std::pair<int32_t, int32_t>> firstPlace;
    const EnglishLookup english = SourceEnglish(texts);
    ForEachText(package, [&](int32_t level, int32_t t, const game::TileRecord& tile) {
        const std::string* text = english(level, t, tile.Param1);
        if (!text) return;
        auto [it, fresh] = catalogue.emplace(tile.Param1, *text);
        if (fresh) {
            firstPlace[tile.Param1] = {level, t};
        } else if (it->second != *text) {
            const auto [firstLevel, firstTile] = firstPlace[tile.Param1];
            problems.push_back(TilePlace(level, t) + ": the English text " + Quote(*text) +
                               " differs from " + Quote(it->second) +
                               " for the same Czech text on " + TilePlace(firstLevel, firstTile));
        }
    });
    return catalogue;
}

}  // namespace levels_tool
