#include "game/core/player_text.h"

#include "game/platform/numbers.h"

namespace game {
namespace {

std::string Replaced(std::string_view pattern, std::string_view mark, const std::string& by) {
    std::string text(pattern);
    for (std::size_t at = text.find(mark); at != std::string::npos;
         at = text.find(mark, at + by.size()))
        text.replace(at, mark.size(), by);
    return text;
}

}  // namespace

PlayerText CountedText(std::string_view pattern, int32_t number) {
    return CountedText(pattern, number, Replaced(pattern, "%n", platform::ToText(number)));
}

PlayerText CountedText(std::string_view pattern, int32_t number, std::string czech) {
    PlayerText text(std::move(czech));
    text.pattern = pattern;
    text.number = number;
    return text;
}

PlayerText NamedText(std::string_view pattern, std::string name) {
    PlayerText text(Replaced(pattern, "%1", name));
    text.pattern = pattern;
    text.name = std::move(name);
    return text;
}

PlayerText LevelText(std::string shown, std::string asWritten) {
    PlayerText text(std::move(shown));
    text.pattern = std::move(asWritten);
    text.fromLevel = true;
    return text;
}

}  // namespace game
