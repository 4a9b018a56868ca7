#include "game/app/run_marker.h"

#include <unistd.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "game/platform/file_io.h"

namespace platform {
namespace {

constexpr std::string_view kUnderWay = "running";
constexpr std::string_view kBySystem = "ended by the system";

bool Write(const std::string& path, std::string_view text) {
    std::vector<uint8_t> bytes(text.begin(), text.end());
    bytes.push_back('\n');
    return game::WriteWholeFile(path, bytes, true);
}

}  // namespace

RunMarker::RunMarker(const std::string& workingLevelsFolder)
    : path_(workingLevelsFolder + "/" + kFileName) {}

LastRunEnd RunMarker::Begin() {
    std::vector<uint8_t> bytes;
    LastRunEnd last = LastRunEnd::kClean;
    // Anything there but the system's word, even a mark cut short while it
    // was written, is a run that did not end by its shut-down.
    if (::access(path_.c_str(), F_OK) == 0) {
        game::ReadWholeFile(path_, bytes, 64);
        const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        last = text.substr(0, kBySystem.size()) == kBySystem ? LastRunEnd::kBySystem
                                                             : LastRunEnd::kUnclean;
    }
    kept_ = false;
    Write(path_, kUnderWay);
    return last;
}

void RunMarker::EndedBySystem() {
    kept_ = Write(path_, kBySystem);
}

void RunMarker::EndedUnsaved() {
    kept_ = true;
}

void RunMarker::EndedWhileAsking(LastRunEnd last) {
    if (last == LastRunEnd::kBySystem)
        EndedBySystem();
    else
        kept_ = last == LastRunEnd::kUnclean;  // the mark of a run under way stays
}

void RunMarker::EndedCleanly() {
    if (!kept_) ::unlink(path_.c_str());
}

}  // namespace platform
