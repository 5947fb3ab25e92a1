// What the fuzz entry points share: an invariant check that aborts, so libFuzzer keeps the input,
// and the input as a file for readers that take a path.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

inline void Check(bool invariant, const char* what)
{
    if (!invariant) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// The path of one in-memory file that holds the input, rewritten for each input.
inline std::string AsFile(const void* data, std::size_t size)
{
    static const int file = memfd_create("fuzz-input", MFD_CLOEXEC);
    Check(file >= 0 && ftruncate(file, 0) == 0 && pwrite(file, data, size, 0) == static_cast<ssize_t>(size),
          "the input cannot be written to a file");
    return "/proc/self/fd/" + std::to_string(file);
}
