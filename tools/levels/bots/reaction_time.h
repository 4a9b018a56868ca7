// How late the newcomer reacts.  A player's reaction is never the same twice:
// each of his is drawn anew from a range a fifth either side of its middle,
// so 250 ms (the newcomer the campaign was made for) is 200 to 300 ms.
#pragma once

#include <string>

namespace levels_tool {

class ReactionTime {
  public:
    // The middles the difficulty report takes.
    static constexpr int kFewestMs = 100, kMostMs = 2000;
    // The newcomer the campaign was made for.
    static constexpr int kUsualMs = 250;

    // A middle from kFewestMs to kMostMs.
    explicit ReactionTime(int middleMs = kUsualMs);

    // The range in frames of the game (60 a second), both ends included.
    int FewestFrames() const { return fewestFrames_; }
    int MostFrames() const { return mostFrames_; }
    // "reaction time 200-300 ms"
    std::string Line() const;

  private:
    int lowMs_, highMs_;
    int fewestFrames_, mostFrames_;
};

}  // namespace levels_tool
