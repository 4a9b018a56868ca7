// build, campaign, pack, unpack and check: whole campaigns and packages.
#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <system_error>

#include "game/levels/byte_stream.h"
#include "game/levels/campaign_info.h"
#include "game/levels/text_catalogue.h"
#include "game/platform/durable_file_set.h"
#include "game/platform/random.h"
#include "tools/levels/cli/level_sources.h"
#include "tools/levels/cli/tool_commands.h"
#include "tools/levels/cli/tool_files.h"
#include "tools/levels/compiler/campaign_check.h"
#include "tools/levels/compiler/campaign_source.h"
#include "tools/levels/compiler/english_texts.h"
#include "tools/levels/compiler/greeting_check.h"
#include "tools/levels/compiler/level_file_names.h"

namespace levels_tool {

namespace fs = std::filesystem;

namespace {

// The line of a campaign.ini that sets key, for a message about its value.
std::string KeyLine(const std::string& text, const std::string& key) {
    std::istringstream in(text);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        const size_t first = line.find_first_not_of(" \t");
        if (first != std::string::npos && line.compare(first, key.size(), key) == 0)
            return "line " + std::to_string(number) + ": ";
    }
    return "";
}

// The source of level n in a pack's folder, to name in its problems.
fs::path LevelSourceFile(const fs::path& folder, int32_t n) {
    const std::string stem = "level" + std::to_string(n);
    for (const char* extension : {".txt", ".tmx", ".sc"}) {
        std::error_code ec;
        if (fs::is_regular_file(folder / (stem + extension), ec))
            return folder / (stem + extension);
    }
    return folder;
}

// The N of a "level N, ..." or "level N: ..." line of one line.
std::optional<int32_t> LevelOfLine(std::string_view line) {
    constexpr std::string_view kLevel = "level ";
    if (!line.starts_with(kLevel) || line.find_first_of("\n\r") != std::string_view::npos)
        return std::nullopt;
    line.remove_prefix(kLevel.size());
    size_t digits = 0;
    const std::optional<int32_t> level = LeadingNumber(line, &digits);
    if (!level || digits == line.size() || (line[digits] != ',' && line[digits] != ':'))
        return std::nullopt;
    return level;
}

// Problems and notes as "level N, ..." lines, each told with the source of
// its level ("src/level2.txt: level 2, tile 40 (...): ...").
void ReportByLevel(const std::vector<std::string>& lines, const fs::path& folder, bool notes,
                   std::ostream& err) {
    for (const std::string& line : lines) {
        const std::optional<int32_t> level = LevelOfLine(line);
        const fs::path file = level ? LevelSourceFile(folder, *level) : folder;
        err << file.string() << (notes ? ": note: " : ": ") << line << "\n";
    }
}

std::vector<uint8_t> TextBytes(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

}  // namespace

int Build(const CommandLine& line, std::ostream&, std::ostream& err) {
    const std::string source = line.Path(0);
    const fs::path out = line.Path(1);
    const bool check = !line.Has("--no-check");
    const uint64_t seed = static_cast<uint64_t>(line.Number("--seed").value_or(1));
    if (Extension(out) != ".all") throw ToolError{out.string() + ": the campaign is a .all file"};

    game::PackageRecord package;
    EnglishTexts english;
    try {
        package = CompileCampaign(source, ReadMapLevel, nullptr, &english);
    } catch (const SourceError& e) {
        throw ToolError{e.what()};
    }
    // One Czech text has one English text, checked or not: the catalogue
    // could not hold two.
    std::vector<std::string> problems;
    const std::map<std::string, std::string> catalogue =
        EnglishCatalogue(package, english, problems);
    if (check) {
        const std::vector<std::string> found = CheckCampaign(package, {.greetings = true});
        problems.insert(problems.end(), found.begin(), found.end());
        EnglishReport report =
            CheckEnglish(package, SourceEnglish(english), line.Has("--require-english"));
        problems.insert(problems.end(), report.problems.begin(), report.problems.end());
        ReportNotes(report.notes, source, err);
    }
    if (ReportProblems(problems, source, err) != 0) return 1;
    // A fixed seed: the same sources give the same bytes.
    platform::Randomize(seed);
    WriteFileOrFail(out, PackageBytes(std::move(package), out));
    WriteFileOrFail(CataloguePath(out), TextBytes(game::FormatTextCatalogue(catalogue)));
    return 0;
}

// A campaign of one's own: its sources checked and built into a pack
// folder (campaign.ini, levels.all and, when the sources give English
// texts, levels.en), which the game offers beside the built-in campaign.
int BuildPack(const CommandLine& line, std::ostream&, std::ostream& err) {
    const fs::path source = line.Path(0);
    const fs::path pack = line.Path(1);
    const fs::path infoPath = source / game::kCampaignInfoFileName;
    const std::string infoText = ReadTextFile(infoPath);
    std::string why;
    const std::optional<game::CampaignInfo> info = game::ParseCampaignInfo(infoText, &why);
    if (!info) throw ToolError{infoPath.string() + ": " + why};

    game::PackageRecord package;
    EnglishTexts english;
    try {
        package = CompileCampaign(source, ReadMapLevel, nullptr, &english, BuiltInLegend());
    } catch (const SourceError& e) {
        throw ToolError{e.what()};
    }
    const auto count = static_cast<int32_t>(package.levels.size());
    if (info->endLevel >= count)
        throw ToolError{infoPath.string() + ": " + KeyLine(infoText, "Konec") + "Konec=" +
                        std::to_string(info->endLevel) + "," + std::to_string(info->endTile) +
                        " names level " + std::to_string(info->endLevel) +
                        ", but the levels are 0 to " + std::to_string(count - 1)};

    std::vector<std::string> problems;
    const std::map<std::string, std::string> catalogue =
        EnglishCatalogue(package, english, problems);
    const std::vector<std::string> found = CheckCampaign(
        package, {.greetings = false, .endLevel = info->endLevel, .endTile = info->endTile});
    problems.insert(problems.end(), found.begin(), found.end());
    // English beside Czech texts: each text wants its own.
    const auto speaks = [&](const char* language) {
        return std::find(info->languages.begin(), info->languages.end(), language) !=
               info->languages.end();
    };
    EnglishReport report = CheckEnglish(package, SourceEnglish(english), false);
    problems.insert(problems.end(), report.problems.begin(), report.problems.end());
    if (!problems.empty()) {
        ReportByLevel(problems, source, false, err);
        return 1;
    }
    ReportByLevel(CheckGreetings(package), source, true, err);
    if (speaks("cs") && speaks("en")) ReportByLevel(report.notes, source, true, err);

    // A fixed seed: the same sources give the same pack.
    platform::Randomize(1);
    const std::vector<uint8_t> levels = PackageBytes(std::move(package), pack / "levels.all");
    std::vector<game::FileOfSet> files{{(pack / "levels.all").string(), levels}};
    if (catalogue.empty())
        files.push_back({(pack / "levels.en").string(), std::nullopt});
    else
        files.push_back(
            {(pack / "levels.en").string(), TextBytes(game::FormatTextCatalogue(catalogue))});
    // campaign.ini last: it is what makes the folder a pack.
    files.push_back({(pack / game::kCampaignInfoFileName).string(),
                     TextBytes(game::FormatCampaignInfo(*info))});
    if (!game::ReplaceFileSet(pack.string(), files, &why)) throw ToolError{why};
    return 0;
}

int Pack(const CommandLine& line, std::ostream&, std::ostream&) {
    const fs::path folder = line.Path(0);
    const fs::path out = line.Path(1);
    game::PackageRecord package;
    for (int32_t n = 0;; ++n) {
        const fs::path file = folder / ("level" + std::to_string(n) + ".sc");
        std::error_code ec;
        if (!fs::is_regular_file(file, ec)) break;
        const std::vector<uint8_t> bytes = ReadFileOrFail(file);
        game::ByteReader in(bytes);
        std::string why;
        if (!game::ReadLevelRecord(in, n, package.levels.emplace_back(), &why))
            throw ToolError{file.string() + ": " + why};
    }
    if (package.levels.empty()) throw ToolError{folder.string() + ": no level0.sc"};
    platform::RandomizeFromClock();
    WriteFileOrFail(out, PackageBytes(std::move(package), out));
    return 0;
}

int Unpack(const CommandLine& line, std::ostream&, std::ostream&) {
    const fs::path file = line.Path(0);
    const fs::path folder = line.Path(1);
    const game::PackageRecord package = ReadPackageFile(file);
    if (package.header && *package.header != file.filename().string())
        throw ToolError{file.string() + ": its header names \"" + *package.header +
                        "\", so the game would refuse it under this name"};

    // Level files are replaced by number, as the game does; each new file
    // takes the place of the old one only when it is whole, and the numbers
    // beyond the package go once every level is written.
    std::error_code ec;
    long entries = 0;
    for (auto it = fs::directory_iterator(folder, ec); !ec && it != fs::directory_iterator();
         it.increment(ec))
        ++entries;

    platform::RandomizeFromClock();
    for (size_t n = 0; n < package.levels.size(); ++n) {
        game::ByteWriter writer;
        game::WriteLevelRecord(writer, static_cast<int32_t>(n), package.levels[n]);
        WriteFileOrFail(folder / ("level" + std::to_string(n) + ".sc"), writer.Bytes());
    }
    for (long n = static_cast<long>(package.levels.size()); n < entries; ++n)
        fs::remove(folder / ("level" + std::to_string(n) + ".sc"), ec);
    return 0;
}

int Check(const CommandLine& line, std::ostream&, std::ostream& err) {
    const std::string file = line.Path(0);
    // A save's levels have greeted the player already.
    const bool campaign = Extension(file) == ".all";
    const CheckOptions options{.greetings = campaign};
    const game::PackageRecord package = ReadPackageFile(file);
    std::vector<std::string> problems = CheckCampaign(package, options);
    if (campaign) {
        // The English texts come from the catalogue beside the package.
        const fs::path path = CataloguePath(file);
        std::error_code ec;
        if (!fs::exists(path, ec)) {
            ReportNotes({"no English catalogue beside it (" + path.filename().string() + ")"}, file,
                        err);
        } else {
            std::string why;
            const auto catalogue = game::TextCatalogue::Load(path.string(), &why);
            if (!catalogue) throw ToolError{why};
            EnglishReport report = CheckEnglish(
                package,
                [&](int32_t, int32_t, const std::string& czech) { return catalogue->Find(czech); },
                false);
            problems.insert(problems.end(), report.problems.begin(), report.problems.end());
            ReportNotes(report.notes, file, err);
        }
    }
    return ReportProblems(problems, file, err);
}

}  // namespace levels_tool
