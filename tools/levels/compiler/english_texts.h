// The campaign's texts in English: the catalogue the build writes beside the
// package (keyed by the Czech text, game/levels/text_catalogue.h), and the
// check that every sign and message screen has its English text with the
// same key placeholders ({Strelba}, {Pohyb}, ...) as the Czech one.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "game/levels/package_record.h"
#include "tools/levels/compiler/campaign_source.h"

namespace levels_tool {

// The English text of a level's tile whose Czech text is given, or nullptr.
using EnglishLookup =
    std::function<const std::string*(int32_t level, int32_t tile, const std::string& czech)>;

struct EnglishReport {
    // Mistakes: an English text whose placeholders differ from its Czech
    // text's, and, when every text must have one, a text without it.
    std::vector<std::string> problems;
    // A text without its English text, where that is allowed.
    std::vector<std::string> notes;
};

// One line per text, "level N, tile T (column c, row r): ...".  With
// required set (the shipped campaign) a missing English text is a problem,
// else a note.
EnglishReport CheckEnglish(const game::PackageRecord& package, const EnglishLookup& english,
                           bool required);

// The lookup into the English texts of the sources.
EnglishLookup SourceEnglish(const EnglishTexts& texts);

// The catalogue of the campaign: each Czech text of a sign or message
// screen with its English text.  Two tiles with the same Czech text and
// different English texts are a problem, one line naming both.
std::map<std::string, std::string> EnglishCatalogue(const game::PackageRecord& package,
                                                    const EnglishTexts& texts,
                                                    std::vector<std::string>& problems);

// The {...} of a text, each once, in order of the text: the key
// placeholders, and an unclosed brace as "{...".
std::vector<std::string> BracedWords(const std::string& text);

}  // namespace levels_tool
