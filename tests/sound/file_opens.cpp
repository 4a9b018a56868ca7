#include "file_opens.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>

namespace tembra_test {

FileOpenCounter::FileOpenCounter(const std::string& folder) {
    fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0 || inotify_add_watch(fd_, folder.c_str(), IN_OPEN | IN_CLOSE) < 0)
        throw std::runtime_error("cannot watch " + folder);
}

FileOpenCounter::~FileOpenCounter() {
    close(fd_);
}

int FileOpenCounter::OpensOf(const std::string& name) {
    // Events are queued when the open happens, so everything before this
    // call is already there.  Closes are watched too: the kernel merges
    // identical events in a row, and open, close, open are not.
    alignas(inotify_event) char buffer[4096];
    int count = 0;
    for (;;) {
        const ssize_t length = read(fd_, buffer, sizeof buffer);
        if (length <= 0) break;
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if ((event->mask & IN_OPEN) && event->len > 0 && name == event->name) ++count;
            at += sizeof(inotify_event) + event->len;
        }
    }
    return count;
}

}  // namespace tembra_test
