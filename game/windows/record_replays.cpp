#include "game/windows/record_replays.h"

#include <sys/resource.h>

#include <QCoreApplication>
#include <QProcess>
#include <filesystem>

#include "game/core/game_state.h"
#include "game/core/terminal.h"

namespace game {
namespace {

namespace fs = std::filesystem;

// A recording of the run by its stamp: still in the rotation, or kept as a
// finished campaign's.
std::optional<std::string> RecordingFile(const std::string& stamp) {
    if (Places.replays.empty()) return std::nullopt;
    for (const char* prefix : {"hra-", "dohrano-"}) {
        const fs::path path = fs::path(Places.replays) / (prefix + stamp + ".rec");
        std::error_code ec;
        if (fs::is_regular_file(path, ec)) return path.string();
    }
    return std::nullopt;
}

// The whole cave played at the tool's speed takes well under a second; a
// tool that hangs must not hold the window for ever.
constexpr int kLongestReplayMs = 20000;

}  // namespace

RecordsOutput RecordReplays::Output(const std::vector<std::string>& stamps, bool replay) {
    if (stamps.empty()) return {};
    if (auto known = outputs_.find(stamps); known != outputs_.end()) return known->second;
    if (!replay) return {};
    RecordsOutput& output = outputs_[stamps];
    QStringList arguments{QStringLiteral("records")};
    for (const std::string& stamp : stamps) {
        const std::optional<std::string> file = RecordingFile(stamp);
        if (!file) return output;  // a recording gone: it stays unverified
        arguments << QString::fromStdString(*file);
    }
    arguments << QStringLiteral("--campaign")
              << QString::fromStdString((fs::path(Places.data) / "levels.all").string());
    QProcess tool;
    tool.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/karvelun-levels"));
    tool.setArguments(arguments);
    tool.setChildProcessModifier([] { setpriority(PRIO_PROCESS, 0, 19); });
    tool.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    tool.start(QIODevice::ReadOnly);
    if (!tool.waitForFinished(kLongestReplayMs)) {
        tool.kill();
        tool.waitForFinished();
        Tell(SHOWN_TEXT("Terminal", "Nahrávky záznamů nešlo přehrát"));
        return output;
    }
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) return output;
    for (const QByteArray& line : tool.readAllStandardOutput().split('\n'))
        if (!line.isEmpty()) output.push_back(line.toStdString());
    return output;
}

}  // namespace game
