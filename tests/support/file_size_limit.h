// Writes that fail the way a full disk or a quota makes them fail, whoever
// runs the tests (folder modes do not stop root): while a FileSizeLimit
// lives, no file of the process can grow beyond the given size, and a write
// past it fails with EFBIG instead of ending the process.
#pragma once

#include <sys/resource.h>

#include <csignal>
#include <cstddef>

namespace testing_support {

class FileSizeLimit {
  public:
    explicit FileSizeLimit(size_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    struct sigaction savedAction_ {};
};

}  // namespace testing_support
