#include "game/levels/package_record.h"

#include "game/levels/keyed_string.h"

namespace game {

bool ReadLevelCount(ByteReader& in, int32_t& count, std::string* why) {
    if (!in.Int32(count)) {
        if (why) *why = "the file ends before the level count";
        return false;
    }
    if (count < 0 || in.Remaining() / kMinLevelRecordBytes < static_cast<size_t>(count)) {
        if (why) *why = "the level count " + std::to_string(count) + " does not fit the file";
        return false;
    }
    return true;
}

void WritePackageRecord(ByteWriter& out, const PackageRecord& package) {
    if (package.header) WriteKeyedString(out, *package.header, SaveHeaderKey());
    out.Int32(static_cast<int32_t>(package.levels.size()));
    for (size_t i = 0; i < package.levels.size(); ++i)
        WriteLevelRecord(out, static_cast<int32_t>(i), package.levels[i]);
}

bool ReadPackageRecord(ByteReader& in, bool withHeader, PackageRecord& package, std::string* why) {
    package = PackageRecord{};
    if (withHeader) {
        std::string header;
        if (!ReadKeyedString(in, header)) {
            if (why) *why = "the package header is damaged";
            return false;
        }
        package.header = std::move(header);
    }
    int32_t count = 0;
    if (!ReadLevelCount(in, count, why)) return false;
    // Grown record by record, so that memory follows what was really read.
    for (int32_t i = 0; i < count; ++i) {
        std::string reason;
        if (!ReadLevelRecord(in, i, package.levels.emplace_back(), &reason)) {
            if (why) *why = "level record " + std::to_string(i) + ": " + reason;
            return false;
        }
    }
    return true;
}

}  // namespace game
