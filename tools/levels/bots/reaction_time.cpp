#include "tools/levels/bots/reaction_time.h"

#include <algorithm>
#include <cmath>

namespace levels_tool {
namespace {

int FramesOf(int ms) {
    return static_cast<int>(std::lround(ms * 60.0 / 1000.0));
}

}  // namespace

ReactionTime::ReactionTime(int middleMs) {
    const int middle = std::clamp(middleMs, kFewestMs, kMostMs);
    lowMs_ = static_cast<int>(std::lround(middle * 0.8));
    highMs_ = static_cast<int>(std::lround(middle * 1.2));
    fewestFrames_ = FramesOf(lowMs_);
    mostFrames_ = FramesOf(highMs_);
}

std::string ReactionTime::Line() const {
    return "reaction time " + std::to_string(lowMs_) + "-" + std::to_string(highMs_) + " ms";
}

}  // namespace levels_tool
