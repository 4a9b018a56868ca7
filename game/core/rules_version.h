// The rules change now and then on purpose, and a game recorded before a
// change must still play out as it was played.  Each change belongs to the
// version of the rules that brought it; the rule that changed asks whether
// the game in play follows it, and so plays every earlier version too.
//
// A game begun or loaded plays under the newest rules; the replay player
// sets a recording's own version for its playback.  Saves do not keep the
// version: a loaded save is played under the newest rules.
#pragma once

#include <cstdint>

namespace game {

// The changes of the rules since their first version, each named for what
// it changed.
enum class RuleChange : uint8_t {
    // A hero held up by a corner slides round it (when the help is on).
    kCornerHelp,
    // A dead hero's missile still in flight earns him neither experience
    // nor a level, and his body takes no items.
    kDeadHeroGainsNothing,
};

// The version that brought each change.
constexpr uint32_t FirstRulesWith(RuleChange change) {
    switch (change) {
        case RuleChange::kCornerHelp:
        case RuleChange::kDeadHeroGainsNothing:
            return 2;
    }
    return 1;
}

inline constexpr uint32_t kOldestRules = 1;
inline constexpr uint32_t kNewestRules = 2;
static_assert(FirstRulesWith(RuleChange::kCornerHelp) <= kNewestRules &&
                  FirstRulesWith(RuleChange::kDeadHeroGainsNothing) <= kNewestRules,
              "a change of the rules raises kNewestRules");

// The version the game in play follows.
inline uint32_t RulesVersion = kNewestRules;

// Whether the game in play follows that change.
inline bool RulesHave(RuleChange change) {
    return RulesVersion >= FirstRulesWith(change);
}

}  // namespace game
