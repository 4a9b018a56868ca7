#include "game/windows/floor_title.h"

#include "game/platform/shown_text.h"
#include "game/windows/language.h"

namespace game {
namespace {

constexpr const char* kNamedFloor = SHOWN_TEXT("Floor", "%1. patro: %2");
constexpr const char* kFloor = SHOWN_TEXT("Floor", "%1. patro");

}  // namespace

QString FloorTitle(int32_t level, const std::string& czechName) {
    if (czechName.empty()) return Shown("Floor", kFloor).arg(level);
    return Shown("Floor", kNamedFloor).arg(level).arg(Shown("LevelName", czechName));
}

}  // namespace game
