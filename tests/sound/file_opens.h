// Counts how often files in a folder are opened, by anyone in the process,
// through the kernel's inotify: a reused sound must not be read again.
#pragma once

#include <string>

namespace tembra_test {

class FileOpenCounter {
  public:
    explicit FileOpenCounter(const std::string& folder);
    FileOpenCounter(const FileOpenCounter&) = delete;
    FileOpenCounter& operator=(const FileOpenCounter&) = delete;
    ~FileOpenCounter();

    // Opens of `name` (a file in the folder) since the last call.
    int OpensOf(const std::string& name);

  private:
    int fd_ = -1;
};

}  // namespace tembra_test
