#include "tools/levels/compiler/json_dump.h"

#include <charconv>

#include "game/levels/escaped_text.h"

namespace levels_tool {

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    game::AppendEscaped(out, text, game::EscapeStyle::kJson);
    return out + "\"";
}

std::string JsonFloat(float value) {
    char buffer[32];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc()) return "null";
    return std::string(buffer, end);
}

void WriteLevelsJson(std::ostream& out, const std::optional<std::string>& header,
                     const std::vector<game::LevelRecord>& levels, int32_t firstNumber) {
    out << "{\n";
    if (header) out << "  \"header\": " << JsonString(*header) << ",\n";
    out << "  \"levels\": [";
    for (size_t n = 0; n < levels.size(); ++n) {
        const game::LevelRecord& level = levels[n];
        out << (n ? ",\n" : "\n") << "    {\n      \"number\": " << firstNumber + n
            << ",\n      \"tiles\": [";
        for (size_t t = 0; t < level.tiles.size(); ++t) {
            const game::TileRecord& tile = level.tiles[t];
            out << (t ? ",\n" : "\n") << "        {\"picture\": " << tile.Picture
                << ", \"kind\": " << tile.Kind << ", \"revealed\": " << tile.Revealed
                << ", \"param1\": " << JsonString(tile.Param1)
                << ", \"param2\": " << JsonString(tile.Param2) << "}";
        }
        out << "\n      ],\n      \"monsters\": [";
        for (size_t i = 0; i < level.monsters.size(); ++i) {
            const game::MonsterRecord& m = level.monsters[i];
            out << (i ? ",\n" : "\n") << "        {\"x\": " << JsonFloat(m.X)
                << ", \"y\": " << JsonFloat(m.Y) << ", \"picture\": " << m.Picture
                << ", \"kind\": " << m.Kind << ", \"damage\": " << m.Damage
                << ", \"hit_points\": " << m.HitPoints << "}";
        }
        out << (level.monsters.empty() ? "" : "\n      ") << "],\n      \"items\": [";
        for (size_t i = 0; i < level.items.size(); ++i) {
            const game::ItemRecord& item = level.items[i];
            out << (i ? ",\n" : "\n") << "        {\"x\": " << item.X << ", \"y\": " << item.Y
                << ", \"picture\": " << item.Picture << ", \"kind\": " << item.Kind << "}";
        }
        out << (level.items.empty() ? "" : "\n      ") << "]\n    }";
    }
    out << (levels.empty() ? "" : "\n  ") << "]\n}\n";
}

void WritePositionJson(std::ostream& out, const std::string& header,
                       const game::PositionRecord& p) {
    out << "{\n  \"header\": " << JsonString(header) << ",\n"
        << "  \"LevelNumber\": " << p.LevelNumber << ",\n"
        << "  \"HeroX\": " << JsonFloat(p.HeroX) << ",\n"
        << "  \"HeroY\": " << JsonFloat(p.HeroY) << ",\n"
        << "  \"HeroStepX\": " << JsonFloat(p.HeroStepX) << ",\n"
        << "  \"HeroStepY\": " << JsonFloat(p.HeroStepY) << ",\n"
        << "  \"HeroSpeed\": " << JsonFloat(p.HeroSpeed) << ",\n"
        << "  \"HeroFacing\": " << p.HeroFacing << ",\n"
        << "  \"Lives\": " << p.Lives << ",\n"
        << "  \"MaxLives\": " << p.MaxLives << ",\n"
        << "  \"Experience\": " << p.Experience << ",\n"
        << "  \"Gold\": " << p.Gold << ",\n"
        << "  \"HeroLevel\": " << p.HeroLevel << ",\n"
        << "  \"MissileStrength\": " << p.MissileStrength << ",\n"
        << "  \"MissileRange\": " << p.MissileRange << ",\n"
        << "  \"BombStrength\": " << p.BombStrength << ",\n"
        << "  \"BombRange\": " << p.BombRange << "\n}\n";
}

}  // namespace levels_tool
