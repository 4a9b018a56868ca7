#include "tools/levels/tiled/tile_parameters.h"

#include <charconv>

#include "game/core/game_state.h"
#include "tools/levels/tiled/tileset_files.h"

namespace tiled_map {

bool KindHasParameters(int16_t kind) {
    return kind == game::kDestructibleWall || kind == game::kSign || kind == game::kTeleport ||
           kind == game::kLevelExit || kind == game::kMechanism || kind == game::kMessageScreen;
}

std::string_view KindName(int16_t kind) {
    return game::kTileKindNames.at(static_cast<size_t>(kind));
}

std::optional<int32_t> CanonicalNumber(const std::string& text, int32_t low, int32_t high) {
    int32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < low || value > high || std::to_string(value) != text) return std::nullopt;
    return value;
}

std::optional<int32_t> TargetTile(int16_t kind, const std::string& param1) {
    if (kind != game::kTeleport && kind != game::kMechanism) return std::nullopt;
    return CanonicalNumber(param1, 0, kLastTile);
}

namespace {

Property Int(const char* name, int32_t value) {
    return {name, PropertyType::Int, std::to_string(value)};
}

Property Raw(const char* name, const std::string& value) {
    return {name, PropertyType::String, value};
}

// "29 0": the new picture and the new kind of a mechanism's target.
bool SplitChange(const std::string& text, int32_t& picture, int32_t& kind) {
    const size_t blank = text.find(' ');
    if (blank == std::string::npos) return false;
    const auto p = CanonicalNumber(text.substr(0, blank), 0, 32767);
    const auto k = CanonicalNumber(text.substr(blank + 1), 0, 8);
    if (!p || !k) return false;
    picture = *p;
    kind = *k;
    return true;
}

}  // namespace

std::vector<Property> ParameterProperties(int16_t kind, const std::string& param1,
                                          const std::string& param2) {
    std::vector<Property> properties;
    bool first = false, second = false;  // taken as named properties
    switch (kind) {
        case game::kDestructibleWall:
            if (auto strength = CanonicalNumber(param1, 1, 32767)) {
                properties.push_back(Int("strength", *strength));
                first = true;
            }
            if (auto rubble = CanonicalNumber(param2, 0, 32767)) {
                properties.push_back(Int("rubble", *rubble));
                second = true;
            }
            break;
        case game::kSign:
        case game::kTeleport:
            if (kind == game::kSign) {
                properties.push_back({"text", PropertyType::String, param1});
                first = true;
            } else {
                first = TargetTile(kind, param1).has_value();
            }
            if (param2 == "ONCE") {
                properties.push_back({"once", PropertyType::Bool, "true"});
                second = true;
            } else {
                second = param2.empty();
            }
            break;
        case game::kLevelExit:
            if (auto level = CanonicalNumber(param1, 0, kHighestLevelNumber)) {
                properties.push_back(Int("level", *level));
                first = true;
            }
            if (auto tile = CanonicalNumber(param2, 0, kLastTile)) {
                properties.push_back(Int("tile", *tile));
                second = true;
            }
            break;
        case game::kMechanism: {
            first = TargetTile(kind, param1).has_value();
            int32_t picture = 0, newKind = 0;
            if (SplitChange(param2, picture, newKind)) {
                properties.push_back(Int("picture", picture));
                properties.push_back(Int("kind", newKind));
                second = true;
            }
            break;
        }
        case game::kMessageScreen:
            properties.push_back({"text", PropertyType::String, param1});
            first = true;
            second = param2.empty();
            break;
        default:
            first = param1.empty();
            second = param2.empty();
    }
    if (!first) properties.push_back(Raw("param1", param1));
    if (!second) properties.push_back(Raw("param2", param2));
    return properties;
}

}  // namespace tiled_map
