#include "game/levels/escaped_text.h"

#include <cstdio>

namespace game {

void AppendEscaped(std::string& out, std::string_view text, EscapeStyle style) {
    const bool json = style == EscapeStyle::kJson;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '"':
                out += json ? "\\\"" : "\"";
                break;
            default:
                if (json && (byte < 0x20 || byte == 0x7F)) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
}

}  // namespace game
