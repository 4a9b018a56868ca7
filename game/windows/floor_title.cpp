#include "game/windows/floor_title.h"

#include "game/core/terminal.h"
#include "game/platform/shown_text.h"
#include "game/windows/language.h"

namespace game {
namespace {

constexpr const char* kNamedFloor = SHOWN_TEXT("Floor", "%1. patro: %2");
constexpr const char* kNumberedFloor = SHOWN_TEXT("Floor", "%1. patro");

}  // namespace

QString FloorTitle(int32_t level, const std::string& czechName) {
    if (czechName.empty()) return Shown("Floor", kNumberedFloor).arg(level);
    return Shown("Floor", kNamedFloor).arg(level).arg(Shown("LevelName", czechName));
}

std::string FloorTitleOnTerminal(int32_t level, const std::string& czechName) {
    const std::string number = std::to_string(level);
    if (czechName.empty()) return WithNames(InTerminalLanguage("Floor", kNumberedFloor), {number});
    return WithNames(InTerminalLanguage("Floor", kNamedFloor),
                     {number, InTerminalLanguage("LevelName", czechName.c_str())});
}

}  // namespace game
