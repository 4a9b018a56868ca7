// Follows one file on disk: written in place, or replaced by an editor that
// writes a new file and renames it over the old one (the watch of the old
// file ends then, so the folder is watched as well and the file watched
// again).  A run of changes in quick succession is told once, a moment
// after the last of them.
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <tuple>

namespace platform {

class FileFollower : public QObject {
  public:
    // The quiet moment after the last change before it is told.
    static constexpr int kSettleMs = 250;

    FileFollower(const QString& file, std::function<void()> changed);

  private:
    // Which file stands under the name, when it was written and how long
    // it is; all zero while there is none.
    using Stamp = std::tuple<unsigned long, long long, long long>;
    Stamp StampNow() const;
    void Noticed();
    void Settled();

    QString file_;
    std::function<void()> changed_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
    Stamp stamp_;
    unsigned long watchedFile_ = 0;  // the file the watch holds, by its number
};

}  // namespace platform
