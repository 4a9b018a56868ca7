#include "game/platform/app_paths.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QString>
#include <cstdlib>
#include <utility>

namespace platform {

AppPaths::AppPaths(std::string programFolder) : programFolder_(std::move(programFolder)) {}

AppPaths AppPaths::Portable(const std::string& programFolder) {
    return AppPaths(programFolder);
}

std::string AppPaths::WorkingLevelsFolder() const {
    return programFolder_ + "/data/levels";
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
    const QString folder = QString::fromStdString(folder_);
    if (!QDir().mkpath(folder)) return Outcome::Unusable;
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
