// What the fuzz targets share: a broken promise of a reader stops the run with a message,
// so that libFuzzer keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

[[noreturn]] inline void fail(const std::string& what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
    std::abort();
}

inline void check(bool ok, const char* what)
{
    if (!ok)
        fail(what);
}

}  // namespace fuzz
