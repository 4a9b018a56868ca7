// The English catalogue beside levels.all: what the compiler writes reads
// back to the same texts, and every damaged file is refused with its line.
#include <gtest/gtest.h>

#include <string>

#include "game/levels/text_catalogue.h"

namespace {

using game::FormatTextCatalogue;
using game::TextCatalogue;

TEST(TextCatalogue, WrittenTextsReadBackAndDamagedFilesAreRefusedWithTheirLine) {
    const std::map<std::string, std::string> texts = {
        {"Studna je hluboká!", "The well is deep!"},
        {"Drž {Strelba}:\tdál", "Hold {Strelba}:\tfurther"},
        {"dva\nřádky a \\ zpětné lomítko", "two\nlines and a \\ backslash"},
        {"Ž", "Zh\r"},
        {"Á", "A"},
        {"prázdný překlad", ""},  // left out
    };
    const std::string file = FormatTextCatalogue(texts);
    // Sorted by the Czech bytes: "Drž" < "Studna" < "dva" < "Á" < "Ž".
    EXPECT_EQ(file,
              "# Karvelun text catalogue: en\n"
              "Drž {Strelba}:\\tdál\tHold {Strelba}:\\tfurther\n"
              "Studna je hluboká!\tThe well is deep!\n"
              "dva\\nřádky a \\\\ zpětné lomítko\ttwo\\nlines and a \\\\ backslash\n"
              "Á\tA\n"
              "Ž\tZh\\r\n");
    std::string error;
    const auto back = TextCatalogue::Parse(file, &error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->Size(), 5u);
    for (const auto& [czech, english] : texts) {
        const std::string* found = back->Find(czech);
        if (english.empty()) {
            EXPECT_EQ(found, nullptr) << czech;
        } else {
            ASSERT_NE(found, nullptr) << czech;
            EXPECT_EQ(*found, english);
        }
    }
    EXPECT_EQ(back->Find("Studna je hluboká"), nullptr) << "whole texts only";
    EXPECT_TRUE(TextCatalogue::Parse("# Karvelun text catalogue: en\r\na\tb\r\n", nullptr))
        << "Windows line ends";
    EXPECT_EQ(TextCatalogue::Parse("# Karvelun text catalogue: en", nullptr)->Size(), 0u);

    const std::string header = "# Karvelun text catalogue: en\n";
    const struct {
        std::string text, error;
    } kDamaged[] = {
        {"", "line 1: a catalogue begins with"},
        {"a\tb\n", "line 1: a catalogue begins with"},
        {"# Karvelun text catalogue: de\na\tb\n", "line 1:"},
        {header + "a\tb\nno tab\n", "line 3: an entry is the Czech text, one tab"},
        {header + "a\tb\tc\n", "line 2: an entry is the Czech text, one tab"},
        {header + "a\tb\n\n", "line 3: an entry is"},
        {header + "a\\x\tb\n", "line 2: a backslash starts no escape"},
        {header + "a\tb\\\n", "line 2: a backslash starts no escape"},
        {header + "\tb\n", "line 2: an entry has an empty text"},
        {header + "a\t\n", "line 2: an entry has an empty text"},
        {header + "a\tb\nc\td\na\te\n", "line 4: the Czech text \"a\" comes twice"},
        {header + "a\xC3\tb\n", "line 2: the entry is not UTF-8"},
        {header + "a\xED\xA0\x80\tb\n", "line 2: the entry is not UTF-8"},
        {header + "\xC0\xAF\tb\n", "line 2: the entry is not UTF-8"},
        {header + std::string(game::kLargestTextCatalogue, 'x'), "larger than 4 MB"},
    };
    for (const auto& damaged : kDamaged) {
        error.clear();
        EXPECT_FALSE(TextCatalogue::Parse(damaged.text, &error)) << damaged.error;
        EXPECT_NE(error.find(damaged.error), std::string::npos)
            << "wanted \"" << damaged.error << "\", got \"" << error << "\"";
    }
    error.clear();
    EXPECT_FALSE(TextCatalogue::Load("/nonexistent/levels.en", &error));
    EXPECT_NE(error.find("/nonexistent/levels.en: cannot be read"), std::string::npos) << error;
}

}  // namespace
