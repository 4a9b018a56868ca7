#include "game/platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "game/platform/durable_file.h"

namespace game {
namespace {

// Closes the descriptor when the scope ends.
class FileHandle {
  public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int get() const { return fd_; }
    // Closes now and says whether the close (which can report a late write
    // error) succeeded.
    bool Close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

}  // namespace

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, size_t limit) {
    bytes.clear();
    FileHandle file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) return false;
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    if (static_cast<uint64_t>(info.st_size) > limit) return false;
    bytes.resize(static_cast<size_t>(info.st_size));
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::read(file.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // the file shrank while being read
        done += static_cast<size_t>(n);
    }
    bytes.resize(done);
    return true;
}

bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes, bool durable,
                    std::string* why) {
    return ReplaceFile(path, bytes, durable ? Durability::kFlushed : Durability::kUnflushed, why);
}

}  // namespace game
