#include "game/platform/durable_file_set.h"

#include <filesystem>
#include <system_error>

#include "game/platform/durable_file.h"
#include "game/platform/file_io.h"

namespace game {

namespace fs = std::filesystem;

bool ReplaceFileSet(const std::string& folder, const std::vector<FileOfSet>& files,
                    std::string* why) {
    const auto fail = [&](const std::string& reason) {
        if (why) *why = reason;
        return false;
    };
    std::error_code ec;
    const bool made = !fs::exists(folder, ec);
    if (made && !fs::create_directories(folder, ec))
        return fail(folder + ": cannot be made (" + ec.message() + ")");
    std::vector<FileOfSet> before;
    const auto undo = [&] {
        for (auto old = before.rbegin(); old != before.rend(); ++old) {
            if (old->bytes)
                ReplaceFile(old->path, *old->bytes, Durability::kFlushed);
            else
                RemoveFile(old->path);
        }
        if (made) fs::remove(folder, ec);
    };
    for (const FileOfSet& file : files) {
        FileOfSet old{file.path, std::nullopt};
        if (fs::is_regular_file(file.path, ec)) {
            std::vector<uint8_t> bytes;
            if (!ReadWholeFile(file.path, bytes)) {
                undo();
                return fail(file.path + ": cannot be read");
            }
            old.bytes = std::move(bytes);
        } else if (!file.bytes) {
            continue;
        }
        std::string reason;
        const bool done = file.bytes
                              ? ReplaceFile(file.path, *file.bytes, Durability::kFlushed, &reason)
                              : RemoveFile(file.path, &reason);
        if (!done) {
            undo();
            return fail(file.path + ": cannot be written (" + reason + ")");
        }
        before.push_back(std::move(old));
    }
    return true;
}

}  // namespace game
