// Invariant checks for the fuzz targets: a broken invariant prints what failed and aborts, so
// libFuzzer keeps the input as a crash artifact.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace tintor::fuzz {

inline std::string_view AsText(const unsigned char* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace tintor::fuzz
