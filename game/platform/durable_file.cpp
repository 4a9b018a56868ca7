#include "game/platform/durable_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace game {
namespace {

FileFaultHook& Hook() {
    static FileFaultHook hook;
    return hook;
}

// 0 when the step may run; otherwise the errno it fails with (or
// kShortWrite).
int Injected(FileStep step, const std::string& path) {
    const FileFaultHook& hook = Hook();
    return hook ? hook(step, path) : 0;
}

bool Fail(std::string* why, FileStep step, const std::string& path, int error) {
    if (why)
        *why = std::string(FileStepName(step)) + " " + path + ": " +
               (error > 0 ? std::strerror(error) : "failed");
    errno = error;
    return false;
}

// Closes the descriptor when the scope ends.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now: close() may report a late write error.
    int Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

  private:
    int fd_;
};

// Writes all bytes at the descriptor's position; a short write is followed
// up until the system refuses (ENOSPC, EFBIG, EIO...).
bool WriteAll(int fd, const std::vector<uint8_t>& bytes, const std::string& path,
              std::string* why) {
    size_t done = 0;
    while (done < bytes.size()) {
        size_t want = bytes.size() - done;
        const int fault = Injected(FileStep::kWrite, path);
        if (fault > 0) return Fail(why, FileStep::kWrite, path, fault);
        if (fault == kShortWrite) want = (want + 1) / 2;
        const ssize_t n = ::write(fd, bytes.data() + done, want);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Fail(why, FileStep::kWrite, path, errno);
        if (n == 0) return Fail(why, FileStep::kWrite, path, ENOSPC);
        done += static_cast<size_t>(n);
    }
    return true;
}

bool SyncAndClose(Descriptor& file, Durability durability, const std::string& path,
                  std::string* why) {
    if (durability == Durability::kFlushed) {
        int error = Injected(FileStep::kSyncFile, path);
        if (error == 0 && ::fsync(file.get()) != 0) error = errno;
        if (error != 0) return Fail(why, FileStep::kSyncFile, path, error);
    }
    int error = Injected(FileStep::kClose, path);
    const int closed = file.Close();
    if (error == 0) error = closed;
    if (error != 0) return Fail(why, FileStep::kClose, path, error);
    return true;
}

// Creates path anew (it must not exist) and fills it.  The partial file is
// removed on failure.
bool CreateAndFill(const std::string& path, const std::vector<uint8_t>& bytes,
                   Durability durability, std::string* why) {
    int error = Injected(FileStep::kCreate, path);
    Descriptor file(
        error != 0
            ? -1
            : ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (error == 0 && file.get() < 0) error = errno;
    if (error != 0) return Fail(why, FileStep::kCreate, path, error);
    if (WriteAll(file.get(), bytes, path, why) && SyncAndClose(file, durability, path, why))
        return true;
    const int saved = errno;
    ::unlink(path.c_str());
    errno = saved;
    return false;
}

std::string TemporaryNameBeside(const std::string& path) {
    // Digits only after a fixed prefix: the save lists take any name with
    // "lev" in it, and a random mix of letters could spell it.
    static std::atomic<unsigned> counter{0};
    return FolderOf(path) + "/.tmp-write-" + std::to_string(::getpid()) + "-" +
           std::to_string(counter++);
}

}  // namespace

const char* FileStepName(FileStep step) {
    switch (step) {
        case FileStep::kCreate:
            return "create";
        case FileStep::kWrite:
            return "write";
        case FileStep::kSyncFile:
            return "fsync";
        case FileStep::kClose:
            return "close";
        case FileStep::kRename:
            return "rename";
        case FileStep::kSyncFolder:
            return "fsync folder";
        case FileStep::kRemove:
            return "remove";
        case FileStep::kTruncate:
            return "truncate";
    }
    return "?";
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool ReplaceFile(const std::string& path, const std::vector<uint8_t>& bytes, Durability durability,
                 std::string* why) {
    std::string temporary;
    for (int attempt = 0;; ++attempt) {
        temporary = TemporaryNameBeside(path);
        if (CreateAndFill(temporary, bytes, durability, why)) break;
        // A leftover of another run under the same name: take the next one.
        if (errno != EEXIST || attempt >= 100) return false;
    }
    if (!RenameFile(temporary, path, why)) {
        ::unlink(temporary.c_str());
        return false;
    }
    return durability == Durability::kUnflushed || SyncFolder(FolderOf(path), why);
}

bool WriteNewFile(const std::string& path, const std::vector<uint8_t>& bytes, Durability durability,
                  std::string* why) {
    if (!RemoveFile(path, why)) return false;
    return CreateAndFill(path, bytes, durability, why);
}

bool RewriteInPlace(const std::string& path, const std::vector<uint8_t>& bytes, std::string* why) {
    int error = Injected(FileStep::kCreate, path);
    Descriptor file(error != 0 ? -1 : ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC));
    if (error == 0 && file.get() < 0) error = errno;
    if (error != 0) return Fail(why, FileStep::kCreate, path, error);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return Fail(why, FileStep::kCreate, path, EINVAL);
    if (!WriteAll(file.get(), bytes, path, why)) return false;
    error = Injected(FileStep::kSyncFile, path);
    if (error == 0 && ::fsync(file.get()) != 0) error = errno;
    if (error != 0) return Fail(why, FileStep::kSyncFile, path, error);
    // Cut only after the new bytes are safe: until then a crash leaves the
    // new text followed by the old file's tail, which readers ignore, rather
    // than nothing.
    error = Injected(FileStep::kTruncate, path);
    if (error == 0 && ::ftruncate(file.get(), static_cast<off_t>(bytes.size())) != 0) error = errno;
    if (error != 0) return Fail(why, FileStep::kTruncate, path, error);
    return SyncAndClose(file, Durability::kFlushed, path, why);
}

bool RenameFile(const std::string& from, const std::string& to, std::string* why) {
    int error = Injected(FileStep::kRename, to);
    if (error == 0 && ::rename(from.c_str(), to.c_str()) != 0) error = errno;
    if (error != 0) return Fail(why, FileStep::kRename, to, error);
    return true;
}

bool RemoveFile(const std::string& path, std::string* why) {
    int error = Injected(FileStep::kRemove, path);
    if (error == 0 && ::unlink(path.c_str()) != 0 && errno != ENOENT) error = errno;
    if (error != 0) return Fail(why, FileStep::kRemove, path, error);
    return true;
}

bool SyncFolder(const std::string& folder, std::string* why) {
    int error = Injected(FileStep::kSyncFolder, folder);
    if (error == 0) {
        Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (dir.get() < 0 || ::fsync(dir.get()) != 0) error = errno;
    }
    if (error != 0) return Fail(why, FileStep::kSyncFolder, folder, error);
    return true;
}

void SetFileFaultHook(FileFaultHook hook) {
    Hook() = std::move(hook);
}

}  // namespace game
