#include "game/core/float_text_stacking.h"

#include <algorithm>
#include <numeric>

namespace game {
namespace {

bool Overlap(int firstStart, int firstLength, int secondStart, int secondLength) {
    return firstStart < secondStart + secondLength && secondStart < firstStart + firstLength;
}

}  // namespace

std::vector<int> StackedTops(const std::vector<FloatTextBox>& boxes) {
    std::vector<int> tops(boxes.size());
    std::vector<std::size_t> order(boxes.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    // The oldest first: a newer text goes above what rose before it.
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return boxes[a].age > boxes[b].age; });
    std::vector<std::size_t> placed;
    placed.reserve(boxes.size());
    for (std::size_t i : order) {
        const FloatTextBox& box = boxes[i];
        int top = box.top;
        // Each move goes above a box placed before, so this ends after at
        // most as many moves as there are such boxes.
        for (std::size_t moves = 0; moves <= placed.size(); ++moves) {
            auto covered = std::find_if(placed.begin(), placed.end(), [&](std::size_t j) {
                return Overlap(box.left, box.width, boxes[j].left, boxes[j].width) &&
                       Overlap(top, box.height, tops[j], boxes[j].height);
            });
            if (covered == placed.end()) break;
            top = tops[*covered] - box.height;
        }
        tops[i] = top;
        placed.push_back(i);
    }
    return tops;
}

}  // namespace game
