#include "game/levels/campaign_packs.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "game/core/terminal.h"
#include "game/levels/byte_stream.h"
#include "game/levels/level_record.h"
#include "game/levels/package_record.h"
#include "game/platform/file_io.h"
#include "game/platform/shown_text.h"

namespace game {
namespace {

namespace fs = std::filesystem;

// A campaign.ini is a few lines.
constexpr size_t kLargestInfoFile = 64 * 1024;

bool ReadLevelCountOf(const std::string& path, int32_t& count, std::string* why) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        *why = "levels.all is missing";
        return false;
    }
    const uintmax_t size = fs::file_size(path, ec);
    std::ifstream file(path, std::ios::binary);
    unsigned char bytes[4] = {};
    if (ec || !file.read(reinterpret_cast<char*>(bytes), 4)) {
        *why = "levels.all does not read";
        return false;
    }
    count = static_cast<int32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 |
                                 static_cast<uint32_t>(bytes[3]) << 24);
    if (count <= 0 || size > kLargestGameFile ||
        (size - 4) / kMinLevelRecordBytes < static_cast<uintmax_t>(count)) {
        *why = "levels.all is not a level package";
        return false;
    }
    return true;
}

}  // namespace

std::optional<CampaignPack> ReadCampaignPack(const std::string& folder, std::string* why) {
    std::string reason;
    std::vector<uint8_t> bytes;
    const std::string infoPath = folder + "/" + kCampaignInfoFileName;
    if (!ReadWholeFile(infoPath, bytes, kLargestInfoFile)) {
        if (why) *why = std::string(kCampaignInfoFileName) + " does not read";
        return std::nullopt;
    }
    std::optional<CampaignInfo> info = ParseCampaignInfo(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), &reason);
    if (!info) {
        if (why) *why = std::string(kCampaignInfoFileName) + ": " + reason;
        return std::nullopt;
    }
    CampaignPack pack;
    pack.folder = folder;
    pack.folderName = fs::path(folder).filename().string();
    pack.info = std::move(*info);
    if (!ReadLevelCountOf(pack.PackagePath(), pack.levelCount, &reason)) {
        if (why) *why = reason;
        return std::nullopt;
    }
    if (pack.info.endLevel >= pack.levelCount) {
        if (why)
            *why = "its ending lies on level " + std::to_string(pack.info.endLevel) +
                   ", which it does not have";
        return std::nullopt;
    }
    return pack;
}

std::vector<CampaignPack> FindCampaignPacks(const std::vector<std::string>& packFolders,
                                            std::FILE* errors) {
    std::vector<CampaignPack> packs;
    std::vector<std::string> seen;
    for (const std::string& parent : packFolders) {
        if (parent.empty()) continue;
        std::vector<fs::path> folders;
        std::error_code ec;
        for (fs::directory_iterator it(parent, ec), end; !ec && it != end; it.increment(ec))
            if (std::error_code isDir; it->is_directory(isDir)) folders.push_back(it->path());
        std::sort(folders.begin(), folders.end());
        for (const fs::path& folder : folders) {
            const std::string name = folder.filename().string();
            if (name.empty() || name[0] == '.') continue;
            if (std::find(seen.begin(), seen.end(), name) != seen.end()) continue;
            seen.push_back(name);
            std::string why;
            std::optional<CampaignPack> pack = ReadCampaignPack(folder.string(), &why);
            if (!pack) {
                if (errors)
                    std::fprintf(errors, "karvelun: %s\n",
                                 TerminalLine(SHOWN_TEXT("Terminal", "Kampaň %1 je vynechána: %2"),
                                              {folder.string(), why})
                                     .c_str());
                continue;
            }
            packs.push_back(std::move(*pack));
        }
    }
    std::stable_sort(packs.begin(), packs.end(), [](const CampaignPack& a, const CampaignPack& b) {
        if (a.info.name != b.info.name) return a.info.name < b.info.name;
        return a.folderName < b.folderName;
    });
    return packs;
}

std::optional<CampaignPack> FindCampaignPack(const std::vector<std::string>& packFolders,
                                             const std::string& folderName) {
    if (folderName.empty() || folderName == "." || folderName == ".." ||
        folderName.find('/') != std::string::npos)
        return std::nullopt;
    for (const std::string& parent : packFolders) {
        if (parent.empty()) continue;
        std::error_code ec;
        const std::string folder = parent + "/" + folderName;
        if (!fs::is_directory(folder, ec)) continue;
        return ReadCampaignPack(folder, nullptr);
    }
    return std::nullopt;
}

bool CampaignPackReadsWhole(const CampaignPack& pack, std::string* why) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(pack.PackagePath(), bytes)) {
        if (why) *why = "levels.all does not read";
        return false;
    }
    ByteReader in(bytes);
    PackageRecord package;
    if (!ReadPackageRecord(in, false, package, why)) return false;
    if (in.Remaining() != 0) {
        if (why) *why = "levels.all goes on after its last level";
        return false;
    }
    return true;
}

int32_t PackageLevelCount(const std::string& path) {
    int32_t count = 0;
    std::string why;
    return ReadLevelCountOf(path, count, &why) ? count : 0;
}

std::string FileHash(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) return std::string();
    // 64-bit FNV-1a.
    uint64_t hash = 0xcbf29ce484222325ull;
    for (uint8_t byte : bytes) {
        hash ^= byte;
        hash *= 0x100000001b3ull;
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4)
        hex[static_cast<size_t>(i)] = kDigits[hash & 15];
    return hex;
}

}  // namespace game
