// A campaign pack's campaign.ini: any bytes are read or refused with a
// reason, never a crash; a pack of a later format than the game reads is
// refused; and what reads writes back as the level tool writes it, which
// reads back the same.
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "game/levels/campaign_info.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string why;
    const auto info = game::ParseCampaignInfo(text, &why);
    if (!info) {
        fuzz::Expect(!why.empty(), "a campaign.ini was refused without a reason");
        return 0;
    }
    fuzz::Expect(info->format >= 1 && info->format <= game::kCampaignFormat,
                 "a pack of another format was read");
    const auto again = game::ParseCampaignInfo(game::FormatCampaignInfo(*info), &why);
    fuzz::Expect(again.has_value(), "a campaign.ini that read does not read back once written");
    fuzz::Expect(again == info, "a campaign.ini came back changed");
    return 0;
}
