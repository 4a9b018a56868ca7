#include "game/replay/recording_session.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <tuple>
#include <vector>

#include "game/core/game_state.h"
#include "game/core/run_statistics.h"
#include "game/core/terminal.h"
#include "game/levels/current_campaign.h"
#include "game/levels/level_packages.h"
#include "game/levels/position_files.h"
#include "game/levels/save_folder.h"
#include "game/platform/file_io.h"
#include "game/platform/shown_text.h"

namespace replay {

namespace fs = std::filesystem;

std::string ReplaysFolder() {
    return game::Places.replays;
}

std::string RecordingStamp(const std::string& path) {
    std::string stem = fs::path(path).stem().string();
    for (const char* prefix : {kRecordingPrefix, kFinishedPrefix})
        if (stem.rfind(prefix, 0) == 0) return stem.substr(std::string(prefix).size());
    return stem;
}

RecordingSession::RecordingSession(std::string folder) : folder_(std::move(folder)) {}

RecordingSession::~RecordingSession() {
    // A game still under way when the program goes is a game left.
    if (Recording()) recorder_->Finish(game::GameEnd::Left);
}

std::string RecordingSession::NewPath(const std::string& folder) const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    // Names sort by time; two games begun in one second get a counter.
    for (int n = 0;; ++n) {
        std::string name = kRecordingPrefix + std::string(stamp);
        if (n > 0) name += "-" + std::to_string(n);
        const fs::path path = fs::path(folder) / (name + kRecordingExtension);
        std::error_code ec;
        if (!fs::exists(path, ec)) return path.string();
    }
}

void RecordingSession::Prune(const std::string& folder, size_t keep) {
    std::error_code ec;
    std::vector<fs::path> recordings;
    for (auto it = fs::directory_iterator(folder, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.rfind(kRecordingPrefix, 0) != 0 || it->path().extension() != kRecordingExtension)
            continue;
        // Outside the rotation, and not counted among the last kept.
        if (keptForGood_ && keptForGood_(RecordingStamp(it->path().string()))) continue;
        recordings.push_back(it->path());
    }
    // Oldest first: by the time in the name, then by the counter of games
    // begun in the same second ("-2" after "-1", both after none).
    auto age = [](const fs::path& path) {
        const std::string stem = path.stem().string().substr(std::string(kRecordingPrefix).size());
        const size_t dash = stem.find('-', stem.find('-') + 1);
        const std::string stamp = stem.substr(0, dash);
        long counter = 0;
        if (dash != std::string::npos) counter = std::strtol(stem.c_str() + dash + 1, nullptr, 10);
        return std::make_tuple(stamp, counter, stem);
    };
    std::sort(recordings.begin(), recordings.end(),
              [&](const fs::path& a, const fs::path& b) { return age(a) < age(b); });
    for (size_t i = 0; i + keep < recordings.size(); ++i)
        fs::remove(recordings[i], ec);
}

void RecordingSession::Begin(StartState start) {
    if (Recording()) recorder_->Finish(game::GameEnd::Left);
    recorder_.reset();
    path_.clear();
    const std::string folder = folder_.empty() ? ReplaysFolder() : folder_;
    if (folder.empty()) {
        game::Tell(SHOWN_TEXT("Terminal", "Pro záznam hry není složka"));
        return;
    }
    std::error_code ec;
    fs::create_directories(folder, ec);
    // Room for the new one among the kept.
    Prune(folder, kRecordingsKept - 1);
    const std::string path = NewPath(folder);
    auto sink = std::make_unique<FileSink>(path);
    if (!sink->Ok()) {
        // The game goes on unrecorded.
        game::Tell(SHOWN_TEXT("Terminal", "Hru nelze zaznamenat do %1"), {path});
        return;
    }
    start.campaignCrc = CampaignCrc();
    start.campaign = game::CurrentCampaign().folderName;
    path_ = path;
    recorder_ = std::make_unique<Recorder>(std::move(sink), std::move(start), FreshSeed());
    // The run knows its recordings (its start holds the run as it stood
    // before this one).
    game::NoteRunRecording(RecordingStamp(path));
}

void RecordingSession::FlushIfDue() {
    if (Recording()) recorder_->FlushIfDue();
}

void RecordingSession::KeyDown(int16_t keyCode, int16_t shift) {
    if (Recording()) recorder_->KeyDown(keyCode, shift);
}
void RecordingSession::KeyUp(int16_t keyCode, int16_t shift) {
    if (Recording()) recorder_->KeyUp(keyCode, shift);
}
void RecordingSession::LostKeyboard() {
    if (Recording()) recorder_->LostKeyboard();
}
void RecordingSession::Resumed() {
    if (Recording()) recorder_->Resumed();
}
void RecordingSession::SavingAs(const std::string& name) {
    if (Recording()) recorder_->SavingAs(name);
}
void RecordingSession::FrameBegins() {
    if (Recording()) recorder_->FrameBegins();
}
void RecordingSession::NoticeClosed() {
    if (Recording()) recorder_->NoticeClosed();
}
void RecordingSession::MonstersTakenOff(int16_t keep) {
    if (Recording()) recorder_->MonstersTakenOff(keep);
}

void RecordingSession::GameEnds(game::GameEnd how) {
    if (!Recording()) return;
    recorder_->Finish(how);
    if (how != game::GameEnd::Finished) return;
    // A finished campaign is kept for good.
    const fs::path from = path_;
    const fs::path to =
        from.parent_path() /
        (kFinishedPrefix + from.filename().string().substr(std::string(kRecordingPrefix).size()));
    recorder_.reset();  // closes the file
    std::error_code ec;
    fs::rename(from, to, ec);
    if (!ec) path_ = to.string();
}

void RecordingSession::NewGameStarted() {
    Begin(StartState{});
}

void RecordingSession::GameLoaded(const std::string& name) {
    StartState start;
    start.kind = StartKind::LoadedPair;
    start.saveName = name;
    start.statistics = game::CurrentRunStatistics();
    if (!game::ReadWholeFile(game::SavePath(name + ".lev"), start.package) ||
        !game::ReadWholeFile(game::SavePath(name + ".pos"), start.position)) {
        game::Tell(SHOWN_TEXT("Terminal", "Nahranou hru %1 nelze zaznamenat"), {name});
        if (Recording()) recorder_->Finish(game::GameEnd::Loaded);
        return;
    }
    if (Recording()) recorder_->Finish(game::GameEnd::Loaded);
    Begin(std::move(start));
}

void RecordingSession::GameChanging() {
    recordAfterChange_ = Recording();
    if (recordAfterChange_) recorder_->Finish(game::GameEnd::Loaded);
}

void RecordingSession::GameChanged() {
    if (!recordAfterChange_) return;
    recordAfterChange_ = false;
    // The changed game as a save would keep it, made aside and read back.
    static constexpr const char* kChangedName = "zmena";
    StartState start;
    start.kind = StartKind::LoadedPair;
    start.saveName = kChangedName;
    start.statistics = game::CurrentRunStatistics();
    std::string why;
    const bool packed = game::PackLevelsAside(start.saveName + ".lev", &why) &&
                        game::WritePositionAside(start.saveName + ".pos", &why) &&
                        game::ReadWholeFile(game::UnfinishedPackagePath(), start.package) &&
                        game::ReadWholeFile(game::UnfinishedPositionPath(), start.position);
    game::RemoveUnfinishedSave();
    if (!packed) {
        if (why.empty())
            game::Tell(SHOWN_TEXT("Terminal",
                                  "Změněnou hru nelze zaznamenat, její soubory nelze přečíst"));
        else
            game::Tell(SHOWN_TEXT("Terminal", "Změněnou hru nelze zaznamenat (%1)"), {why});
        return;
    }
    Begin(std::move(start));
}

}  // namespace replay
