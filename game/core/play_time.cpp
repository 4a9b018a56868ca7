#include "game/core/play_time.h"

#include <cstdio>

namespace game {
namespace {

std::optional<uint64_t> frames = uint64_t{0};

}  // namespace

void CountPlayFrame() {
    if (frames) ++*frames;
}

void StartPlayTime(std::optional<uint64_t> from) {
    frames = from;
}

std::optional<uint64_t> PlayFrames() {
    return frames;
}

std::string PlayTimeText(std::optional<uint64_t> count) {
    if (!count) return "?";
    const uint64_t seconds = *count / 60;
    char text[32];
    std::snprintf(text, sizeof text, "%llu:%02u:%02u",
                  static_cast<unsigned long long>(seconds / 3600),
                  static_cast<unsigned>(seconds / 60 % 60), static_cast<unsigned>(seconds % 60));
    return text;
}

}  // namespace game
