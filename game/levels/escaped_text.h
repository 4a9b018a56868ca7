// Texts written with backslash escapes, as the English catalogue (levels.en)
// and the level tool's JSON both write them: a backslash, a tab, a line feed
// and a carriage return become \\, \t, \n and \r.  JSON also escapes the
// double quote and writes the other control characters and DEL as \u00xx;
// the catalogue leaves every other byte as it is (its texts are UTF-8, and
// only the tab and the line end mean something in its lines).
#pragma once

#include <string>
#include <string_view>

namespace game {

enum class EscapeStyle { kCatalogue, kJson };

void AppendEscaped(std::string& out, std::string_view text, EscapeStyle style);

}  // namespace game
