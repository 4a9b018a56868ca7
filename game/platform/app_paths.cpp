#include "game/platform/app_paths.h"

#include <QDir>
#include <QLockFile>
#include <QString>
#include <utility>

namespace platform {

AppPaths::AppPaths(std::string programFolder) : programFolder_(std::move(programFolder)) {}

AppPaths AppPaths::Portable(const std::string& programFolder) {
    return AppPaths(programFolder);
}

std::string AppPaths::WorkingLevelsFolder() const {
    return programFolder_ + "/data/levels";
}

OneCopyLock::OneCopyLock(const std::string& workingLevelsFolder) : folder_(workingLevelsFolder) {}

OneCopyLock::~OneCopyLock() {
    Release();
}

OneCopyLock::Outcome OneCopyLock::Take() {
    if (lock_ && lock_->isLocked()) return Outcome::Taken;
    const QString folder = QString::fromStdString(folder_);
    if (!QDir().mkpath(folder)) return Outcome::Unusable;
    lock_ = std::make_unique<QLockFile>(folder + "/" + kFileName);
    // Never stale by age, however long a game lasts: only a lock whose
    // process is gone is taken over.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) return Outcome::Taken;
    return lock_->error() == QLockFile::LockFailedError ? Outcome::AnotherCopyRuns
                                                        : Outcome::Unusable;
}

void OneCopyLock::Release() {
    if (lock_) lock_->unlock();
    lock_.reset();
}

}  // namespace platform
