// A way for the end-to-end checks to catch the loading notice while it
// shows: with KARVELUN_HOLD_LOADING=<step> in the environment the notice
// holds at that step of its bar (0 as it shows, then one more for each
// advance), once, taking events until the program is ending or 20 s have
// passed, and says so on the error output.  Without the variable it never
// holds.
#pragma once

#include <optional>

namespace game {

class LoadingHold {
  public:
    LoadingHold();

    // The notice has shown (step 0), or its bar has grown (the next step).
    void Shown();
    void Advanced();

  private:
    void HoldAt(int step);

    std::optional<int> holdAt_;
    int step_ = 0;
};

}  // namespace game
