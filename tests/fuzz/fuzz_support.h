// What the fuzz targets share: stopping with a readable message when a
// promise of a reader breaks, and handing bytes to readers that only take a
// file name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Prints the broken promise and aborts, which libFuzzer records as a finding
// together with the input that caused it.
[[noreturn]] void Broken(const std::string& what);

// Checks a promise; a false one is a finding.
inline void Expect(bool holds, const char* what) {
    if (!holds) Broken(what);
}

// An anonymous file in memory (never on the disk) that readers open by name:
// each call replaces its contents with the bytes and returns a path to it.
std::string MemoryFileWith(const uint8_t* data, size_t size);

}  // namespace fuzz
