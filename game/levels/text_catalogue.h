// A text catalogue: the texts of the campaign's signs, message screens and
// greetings in another language, keyed by the Czech text the level files
// hold.  The level compiler writes one beside levels.all (levels.en); the
// game looks a text up when it shows it in that language, and shows a text
// the catalogue lacks as it stands.
//
// The file is UTF-8: its first line is "# Karvelun text catalogue: en", then
// one entry per line, the Czech text, a tab and the translation, each with
// the escapes \\, \t, \n and \r.  The writer sorts the entries by the Czech
// bytes; the reader takes them in any order, but each Czech text once.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace game {

// Far beyond any campaign's texts (the whole campaign's are some 20 kB): a
// larger file is not read.
inline constexpr std::size_t kLargestTextCatalogue = 4u << 20;

inline constexpr std::string_view kTextCatalogueHeader = "# Karvelun text catalogue: en";

class TextCatalogue {
  public:
    // The catalogue a file's text holds; nullopt with *error (when given)
    // naming the line of the first mistake: a missing header, a line without
    // its tab or with two, an unknown escape, an empty text, a text that is
    // not UTF-8, a Czech text given twice, or a text over the size limit.
    static std::optional<TextCatalogue> Parse(std::string_view text, std::string* error);
    // The same for a file; a missing or unreadable file is an error too.
    static std::optional<TextCatalogue> Load(const std::string& path, std::string* error);

    // The translation of the Czech text, or nullptr.
    const std::string* Find(std::string_view czech) const;
    std::size_t Size() const { return entries_.size(); }
    const std::map<std::string, std::string, std::less<>>& Entries() const { return entries_; }

  private:
    std::map<std::string, std::string, std::less<>> entries_;
};

// The catalogue file for the translations, Czech to English, in the form
// TextCatalogue::Parse reads.  Empty texts are left out.
std::string FormatTextCatalogue(const std::map<std::string, std::string>& entries);
std::string FormatTextCatalogue(const std::map<std::string, std::string, std::less<>>& entries);

}  // namespace game
