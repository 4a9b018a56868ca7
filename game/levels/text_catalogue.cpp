#include "game/levels/text_catalogue.h"

#include <vector>

#include "game/levels/escaped_text.h"
#include "game/platform/file_io.h"

namespace game {
namespace {

// The text with its escapes undone; false for a backslash that starts no
// escape.
bool Unescape(std::string_view text, std::string& out) {
    out.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return false;
        switch (text[i]) {
            case '\\':
                out += '\\';
                break;
            case 't':
                out += '\t';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            default:
                return false;
        }
    }
    return true;
}

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing above U+10FFFF.
bool IsUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t length = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (text.size() - i < length) return false;
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        if ((length == 3 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) ||
            (length == 4 && (code < 0x10000 || code > 0x10FFFF)))
            return false;
        i += length;
    }
    return true;
}

bool Refuse(std::string* error, const std::string& why) {
    if (error) *error = why;
    return false;
}

}  // namespace

std::optional<TextCatalogue> TextCatalogue::Parse(std::string_view text, std::string* error) {
    if (text.size() > kLargestTextCatalogue) {
        Refuse(error, "the catalogue is larger than " +
                          std::to_string(kLargestTextCatalogue >> 20) + " MB");
        return std::nullopt;
    }
    TextCatalogue catalogue;
    size_t lineNumber = 0;
    std::string czech, english;
    while (!text.empty()) {
        ++lineNumber;
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::string at = "line " + std::to_string(lineNumber) + ": ";
        if (lineNumber == 1) {
            if (line != kTextCatalogueHeader) {
                Refuse(error, at + "a catalogue begins with \"" +
                                  std::string(kTextCatalogueHeader) + "\"");
                return std::nullopt;
            }
            continue;
        }
        const size_t tab = line.find('\t');
        if (tab == std::string_view::npos || line.find('\t', tab + 1) != std::string_view::npos) {
            Refuse(error, at + "an entry is the Czech text, one tab and the translation");
            return std::nullopt;
        }
        if (!IsUtf8(line)) {
            Refuse(error, at + "the entry is not UTF-8");
            return std::nullopt;
        }
        if (!Unescape(line.substr(0, tab), czech) || !Unescape(line.substr(tab + 1), english)) {
            Refuse(error, at + "a backslash starts no escape (\\\\, \\t, \\n or \\r)");
            return std::nullopt;
        }
        if (czech.empty() || english.empty()) {
            Refuse(error, at + "an entry has an empty text");
            return std::nullopt;
        }
        if (!catalogue.entries_.emplace(czech, english).second) {
            Refuse(error, at + "the Czech text \"" + czech.substr(0, 40) + "\" comes twice");
            return std::nullopt;
        }
    }
    if (lineNumber == 0) {
        Refuse(error,
               "line 1: a catalogue begins with \"" + std::string(kTextCatalogueHeader) + "\"");
        return std::nullopt;
    }
    return catalogue;
}

std::optional<TextCatalogue> TextCatalogue::Load(const std::string& path, std::string* error) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes, kLargestTextCatalogue + 1)) {
        Refuse(error, path + ": cannot be read (or is larger than " +
                          std::to_string(kLargestTextCatalogue >> 20) + " MB)");
        return std::nullopt;
    }
    std::string why;
    auto catalogue =
        Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), &why);
    if (!catalogue) Refuse(error, path + ": " + why);
    return catalogue;
}

const std::string* TextCatalogue::Find(std::string_view czech) const {
    auto it = entries_.find(czech);
    return it == entries_.end() ? nullptr : &it->second;
}

template <typename Entries>
std::string Format(const Entries& entries) {
    std::string out(kTextCatalogueHeader);
    out += '\n';
    for (const auto& [czech, english] : entries) {
        if (czech.empty() || english.empty()) continue;
        AppendEscaped(out, czech, EscapeStyle::kCatalogue);
        out += '\t';
        AppendEscaped(out, english, EscapeStyle::kCatalogue);
        out += '\n';
    }
    return out;
}

std::string FormatTextCatalogue(const std::map<std::string, std::string>& entries) {
    return Format(entries);
}

std::string FormatTextCatalogue(const std::map<std::string, std::string, std::less<>>& entries) {
    return Format(entries);
}

}  // namespace game
