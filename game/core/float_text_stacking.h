// Where the floating texts are drawn.  Each stands where the rules put it,
// except that a text which would cover one that rose before it is drawn
// just above that one: several texts rising at one place read one over the
// other instead of as a clump.  Since they all rise alike, a stack keeps
// its shape as it rises.  Only the drawing moves; the rules' positions, the
// saves and the recordings stay as they are.
#pragma once

#include <cstdint>
#include <vector>

namespace game {

struct FloatTextBox {
    int left = 0, top = 0, width = 0, height = 0;
    int16_t age = 0;  // frames since it appeared: the older is below
};

// The top each box is drawn at, in the order given.
std::vector<int> StackedTops(const std::vector<FloatTextBox>& boxes);

}  // namespace game
