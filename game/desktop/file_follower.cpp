#include "game/desktop/file_follower.h"

#include <sys/stat.h>

#include <QFileInfo>

namespace platform {

FileFollower::FileFollower(const QString& file, std::function<void()> changed)
    : file_(QFileInfo(file).absoluteFilePath()), changed_(std::move(changed)) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &FileFollower::Settled);
    stamp_ = StampNow();
    watchedFile_ = std::get<0>(stamp_);
    watcher_.addPath(file_);
    watcher_.addPath(QFileInfo(file_).absolutePath());
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &FileFollower::Noticed);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &FileFollower::Noticed);
}

FileFollower::Stamp FileFollower::StampNow() const {
    struct stat st {};
    if (::stat(file_.toLocal8Bit().constData(), &st) != 0) return {};
    return {static_cast<unsigned long>(st.st_ino),
            static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec,
            static_cast<long long>(st.st_size)};
}

void FileFollower::Noticed() {
    // The folder changes with every file in it: only a change of this file
    // counts, each one putting off the telling.
    const Stamp now = StampNow();
    if (now == stamp_) return;
    stamp_ = now;
    settle_.start();
}

void FileFollower::Settled() {
    // A file renamed over the old one is watched anew (the watch may still
    // hold the old file while something keeps it open).
    if (std::get<0>(stamp_) != watchedFile_) {
        if (watcher_.files().contains(file_)) watcher_.removePath(file_);
        if (QFileInfo::exists(file_)) watcher_.addPath(file_);
        watchedFile_ = std::get<0>(stamp_);
    }
    // A file gone (between an editor's delete and its write) is told when
    // it is back.
    if (stamp_ != Stamp{}) changed_();
}

}  // namespace platform
