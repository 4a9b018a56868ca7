// A text the rules tell the player: a log line, a floating text, a notice or
// a message box.  The rules write it in Czech, and the Czech is what a
// Czech player reads, byte for byte.  Beside it the text carries what the
// windows need to show it in another language: the Czech template it was
// made from, with its number and name, or the level's text it came from.
//
// A template marks its number "%n" (the windows pick the plural form by
// it) and a name (a file's, a save's) "%1".  A fixed text, with no template,
// is its own template.  Plain C++; texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace game {

struct PlayerText {
    PlayerText() = default;
    // A fixed text of the rules.
    PlayerText(std::string text) : czech(std::move(text)) {}
    PlayerText(const char* text) : czech(text) {}

    // The text as the rules show it in Czech.
    std::string czech;
    // The Czech template ("Získal jsi %n zkušeností!"); empty for a fixed
    // text.  For a level's text: the text as the level holds it, before the
    // keys' names were filled in.
    std::string pattern;
    // What "%n" and "%1" stand for.
    int32_t number = 0;
    std::string name;
    // A sign's or message screen's text, found in the campaign's catalogue
    // rather than among the rules' texts.
    bool fromLevel = false;

    bool HasNumber() const { return pattern.find("%n") != std::string::npos; }
};

// The template with "%n" written as the number, as the rules print numbers.
PlayerText CountedText(std::string_view pattern, int32_t number);
// The same with a Czech text of its own, for a template whose Czech word
// changes with the number ("Získal jsi 3 zlaté!" of "Získal jsi %n zlatých!").
PlayerText CountedText(std::string_view pattern, int32_t number, std::string czech);
// The template with "%1" written as the name.
PlayerText NamedText(std::string_view pattern, std::string name);
// A level's text as the player reads it (its keys named) and as the level
// holds it.
PlayerText LevelText(std::string shown, std::string asWritten);

}  // namespace game
