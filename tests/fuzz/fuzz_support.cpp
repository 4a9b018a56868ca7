#include "fuzz/fuzz_support.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

void Broken(const std::string& what) {
    std::fprintf(stderr, "broken promise: %s\n", what.c_str());
    std::abort();
}

std::string MemoryFileWith(const uint8_t* data, size_t size) {
    static const int fd = memfd_create("fuzz-input", MFD_CLOEXEC);
    if (fd < 0) Broken("no memory file for the input");
    if (ftruncate(fd, 0) != 0) Broken("the memory file cannot be emptied");
    size_t written = 0;
    while (written < size) {
        const ssize_t n = pwrite(fd, data + written, size - written, static_cast<off_t>(written));
        if (n <= 0) Broken("the input cannot be put in the memory file");
        written += static_cast<size_t>(n);
    }
    return "/proc/self/fd/" + std::to_string(fd);
}

}  // namespace fuzz
