// Which campaign a save is of when its description, which names the
// campaign, is missing or does not read: told by the save's levels
// (pack_fingerprint.h) against the campaigns here.  A pack's save must never
// be played as a game of the built-in campaign, whose ending and level
// names are not the pack's, and whose next save would say so for good.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "game/levels/pack_fingerprint.h"

namespace game {

struct RecognisedCampaign {
    enum Kind : uint8_t { kBuiltIn, kPack, kUnknown } kind = kUnknown;
    size_t pack = 0;  // for kPack: the index in the packs given

    bool operator==(const RecognisedCampaign&) const = default;
};

// The campaign of a save with the levels `save`, given the built-in
// campaign's levels (nothing when its levels.all does not read) and each
// pack's:
//   - the one campaign here that has exactly the save's levels;
//   - when several have, none can be told: unknown;
//   - when none has, the built-in campaign as an earlier version had it
//     (every save from before descriptions is of it, and its levels change
//     from version to version), provided the save has as many levels as the
//     built-in campaign has now and no pack has more of the save's levels
//     than the built-in campaign has;
//   - else unknown.
RecognisedCampaign RecogniseCampaign(const LevelsFingerprint& save,
                                     const std::optional<LevelsFingerprint>& builtIn,
                                     const std::vector<LevelsFingerprint>& packs);

}  // namespace game
