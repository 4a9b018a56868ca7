#include "game/desktop/app_paths.h"

#include "game/platform/private_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <string_view>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QString>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

namespace platform {

namespace fs = std::filesystem;

Surroundings Surroundings::OfThisProcess() {
    Surroundings s;
    s.variable = [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        if (!value) return std::nullopt;
        return std::string(value);
    };
    s.canWrite = [](const std::string& folder) {
        return ::access(folder.c_str(), W_OK | X_OK) == 0;
    };
    return s;
}

namespace {

bool IsFolder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

bool IsFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

// The program's folder without a trailing slash and without "." or ".."
// steps, so that its parent is the prefix.
std::string CleanFolder(const std::string& folder) {
    std::string clean = fs::path(folder).lexically_normal().string();
    while (clean.size() > 1 && clean.back() == '/')
        clean.pop_back();
    return clean;
}

std::string UnderOrEmpty(const std::string& base, const char* rest) {
    return base.empty() ? std::string() : base + rest;
}

// Where the variable's folder comes from, for a player told that it cannot be
// written although there is none.
const char* VariableOf(AppPaths::Folder folder) {
    switch (folder) {
        case AppPaths::Folder::Settings:
            return "$XDG_CONFIG_HOME/karvelun";
        case AppPaths::Folder::Saves:
            return "$XDG_DATA_HOME/karvelun/saves";
        case AppPaths::Folder::WorkingLevels:
            break;
    }
    return "$XDG_STATE_HOME/karvelun/levels";
}

// A private folder that goes with the last AppPaths copy pointing to it.
std::shared_ptr<const void> MakeTemporaryFolder(std::string* path) {
    std::string pattern = AppPaths::TemporaryFolderPattern("run");
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!::mkdtemp(name.data())) return nullptr;  // mkdtemp makes it 0700
    *path = name.data();
    return std::shared_ptr<const void>(new std::string(*path), [](const void* p) {
        const auto* folder = static_cast<const std::string*>(p);
        std::error_code ec;
        fs::remove_all(*folder, ec);
        delete folder;
    });
}

}  // namespace

std::string XdgBaseFolder(const Surroundings& surroundings, const char* variable,
                          const char* defaultUnderHome) {
    // A relative value is not a base folder (the XDG rule says to ignore it).
    if (auto value = surroundings.variable(variable);
        value && !value->empty() && (*value)[0] == '/')
        return CleanFolder(*value);
    auto home = surroundings.variable("HOME");
    if (!home || home->empty() || (*home)[0] != '/') return std::string();
    const std::string clean = CleanFolder(*home);
    return (clean == "/" ? std::string() : clean) + "/" + defaultUnderHome;
}

AppPaths AppPaths::ForProgram(const std::string& programFolder, const Surroundings& surroundings) {
    const std::string folder = CleanFolder(programFolder);
    const std::string data = folder + "/data";
    if (IsFolder(data) && surroundings.canWrite(folder) && surroundings.canWrite(data))
        return Portable(folder);
    return Installed(folder, surroundings);
}

AppPaths AppPaths::ForThisProgram() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ForProgram(ec ? std::string(".") : self.parent_path().string());
}

std::string AppPaths::ReplaysFolder() const {
    if (SavesFolder().empty()) return std::string();
    return (fs::path(SavesFolder()).parent_path() / "replays").string();
}

FilePlaces AppPaths::Places() const {
    return {DataFolder(),    SettingsFile(),        SavesFolder(),    WorkingLevelsFolder(),
            ReplaysFolder(), SettingsFileToWrite(), CampaignFolders()};
}

std::string AppPaths::TemporaryFolderPattern(const std::string& kind) {
    return QDir::tempPath().toStdString() + "/karvelun-" + kind + "-" + std::to_string(::getpid()) +
           "-XXXXXX";
}

void AppPaths::RemoveStaleTemporaryFolders() {
    platform::RemoveStaleTemporaryFolders(QDir::tempPath().toStdString());
}

namespace {

// The process named by a private folder "karvelun-<kind>-<pid>-XXXXXX";
// 0 for any other name.
pid_t OwnerOfTemporaryFolder(const std::string& name) {
    static constexpr std::string_view kPrefix = "karvelun-";
    constexpr size_t kUniqueLength = 6;  // what mkdtemp puts for XXXXXX
    if (name.compare(0, kPrefix.size(), kPrefix) != 0) return 0;
    size_t at = kPrefix.size();
    const size_t kindEnd = name.find('-', at);
    if (kindEnd == std::string::npos || kindEnd == at) return 0;
    for (size_t i = at; i < kindEnd; ++i)
        if (name[i] < 'a' || name[i] > 'z') return 0;
    at = kindEnd + 1;
    const size_t pidEnd = name.find('-', at);
    if (pidEnd == std::string::npos || pidEnd == at || pidEnd - at > 9) return 0;
    if (name.size() - (pidEnd + 1) != kUniqueLength) return 0;
    pid_t pid = 0;
    for (size_t i = at; i < pidEnd; ++i) {
        if (name[i] < '0' || name[i] > '9') return 0;
        pid = pid * 10 + (name[i] - '0');
    }
    return pid;
}

}  // namespace

int RemoveStaleTemporaryFolders(const std::string& parent) {
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(parent, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const pid_t pid = OwnerOfTemporaryFolder(name);
        if (pid <= 0) continue;
        struct stat info {};
        if (::lstat(it->path().c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
            info.st_uid != ::getuid())
            continue;
        if (::kill(pid, 0) == 0 || errno != ESRCH) continue;
        std::error_code removeError;
        if (fs::remove_all(it->path(), removeError) != static_cast<std::uintmax_t>(-1) &&
            !removeError)
            ++removed;
    }
    return removed;
}

AppPaths AppPaths::Portable(const std::string& programFolder) {
    AppPaths paths;
    paths.layout_ = Layout::Portable;
    paths.programFolder_ = CleanFolder(programFolder);
    const std::string& folder = paths.programFolder_;
    paths.dataFolder_ = folder + "/data";
    paths.soundLibraryFile_ = folder + "/libtembra.so";
    paths.settingsFolder_ = folder;
    paths.settingsFile_ = folder + "/setup.ini";
    paths.settingsFileToWrite_ = paths.settingsFile_;
    paths.savesFolder_ = folder + "/data/saves";
    paths.workingLevelsFolder_ = folder + "/data/levels";
    paths.campaignFolders_ = {folder + "/data/campaigns"};
    return paths;
}

AppPaths AppPaths::Installed(const std::string& programFolder, const Surroundings& surroundings) {
    AppPaths paths;
    paths.layout_ = Layout::Installed;
    paths.programFolder_ = CleanFolder(programFolder);
    const std::string& folder = paths.programFolder_;
    const std::string prefix = fs::path(folder).parent_path().string();
    const std::string shared = (prefix == "/" ? std::string() : prefix);

    paths.dataFolder_ = IsFolder(folder + "/data") ? folder + "/data" : shared + "/share/karvelun";
    paths.soundLibraryFile_ = IsFile(folder + "/libtembra.so")
                                  ? folder + "/libtembra.so"
                                  : shared + "/lib/karvelun/libtembra.so";

    paths.settingsFolder_ =
        UnderOrEmpty(XdgBaseFolder(surroundings, "XDG_CONFIG_HOME", ".config"), "/karvelun");
    paths.savesFolder_ = UnderOrEmpty(XdgBaseFolder(surroundings, "XDG_DATA_HOME", ".local/share"),
                                      "/karvelun/saves");
    paths.workingLevelsFolder_ = UnderOrEmpty(
        XdgBaseFolder(surroundings, "XDG_STATE_HOME", ".local/state"), "/karvelun/levels");

    // A setup.ini beside the program is only the default for a player who
    // has saved no settings of his own.
    paths.settingsFileToWrite_ = UnderOrEmpty(paths.settingsFolder_, "/setup.ini");
    paths.settingsFile_ =
        IsFile(paths.settingsFileToWrite_) ? paths.settingsFileToWrite_ : folder + "/setup.ini";

    const std::string ownCampaigns = UnderOrEmpty(
        XdgBaseFolder(surroundings, "XDG_DATA_HOME", ".local/share"), "/karvelun/campaigns");
    if (!ownCampaigns.empty()) paths.campaignFolders_.push_back(ownCampaigns);
    paths.campaignFolders_.push_back(paths.dataFolder_ + "/campaigns");
    return paths;
}

AppPaths AppPaths::Temporary(const AppPaths& base) {
    AppPaths paths = base;
    paths.layout_ = Layout::Temporary;
    paths.settingsFileToWrite_.clear();
    paths.settingsFolder_.clear();
    std::string folder;
    paths.temporaryFolder_ = MakeTemporaryFolder(&folder);
    paths.savesFolder_ = UnderOrEmpty(folder, "/saves");
    paths.workingLevelsFolder_ = UnderOrEmpty(folder, "/levels");
    return paths;
}

const std::string& AppPaths::FolderPath(Folder folder) const {
    switch (folder) {
        case Folder::Settings:
            return settingsFolder_;
        case Folder::Saves:
            return savesFolder_;
        case Folder::WorkingLevels:
            break;
    }
    return workingLevelsFolder_;
}

std::string AppPaths::FolderName(Folder folder) const {
    const std::string& path = FolderPath(folder);
    if (!path.empty()) return path;
    return layout_ == Layout::Installed ? VariableOf(folder) : "(dočasná složka)";
}

bool MakePrivateFolder(const std::string& folder, const Surroundings& surroundings) {
    return MakePrivateFolder(folder) && surroundings.canWrite(folder);
}

bool CanMakeOrWrite(const std::string& folder, const Surroundings& surroundings) {
    if (folder.empty() || folder[0] != '/') return false;
    fs::path step = fs::path(folder).lexically_normal();
    std::error_code ec;
    while (!fs::exists(step, ec) && step.has_relative_path())
        step = step.parent_path();
    return fs::is_directory(step, ec) && surroundings.canWrite(step.string());
}

std::string CannotWriteText(const std::string& folderName) {
    std::string text = kCannotWriteTemplate;
    text.replace(text.find("%1"), 2, folderName);
    return text;
}

namespace {

// A lock file that names no process (empty or garbled) was cut short by a
// crash or a power cut while it was being written, and would otherwise keep
// every later start out for good.  One that is only just there may belong to
// a copy starting at this very moment: it gets a few seconds to finish.
bool NamesNoProcess(const QLockFile& lock) {
    constexpr qint64 kSecondsToWriteALock = 5;
    qint64 pid = 0;
    QString host, program;
    if (lock.getLockInfo(&pid, &host, &program)) return false;
    const QFileInfo file(lock.fileName());
    if (!file.exists()) return false;
    const qint64 age = file.lastModified().secsTo(QDateTime::currentDateTime());
    return std::abs(age) >= kSecondsToWriteALock;
}

}  // namespace

OneCopyLock::OneCopyLock(const std::string& workingLevelsFolder) : folder_(workingLevelsFolder) {}

OneCopyLock::~OneCopyLock() {
    Release();
}

OneCopyLock::Outcome OneCopyLock::Take() {
    if (lock_ && lock_->isLocked()) return Outcome::Taken;
    if (!MakePrivateFolder(folder_, Surroundings::OfThisProcess())) return Outcome::Unusable;
    const QString folder = QString::fromStdString(folder_);
    lock_ = std::make_unique<QLockFile>(folder + "/" + kFileName);
    // Never stale by age, however long a game lasts: only a lock whose
    // process is gone is taken over.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) return Outcome::Taken;
    if (lock_->error() == QLockFile::LockFailedError && NamesNoProcess(*lock_) &&
        lock_->removeStaleLockFile() && lock_->tryLock(0))
        return Outcome::Taken;
    return lock_->error() == QLockFile::LockFailedError ? Outcome::AnotherCopyRuns
                                                        : Outcome::Unusable;
}

void OneCopyLock::Release() {
    if (lock_) lock_->unlock();
    lock_.reset();
}

}  // namespace platform
