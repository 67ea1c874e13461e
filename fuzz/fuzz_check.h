// What the fuzz targets share: a check that stops the run, with its reason, when it fails.
#pragma once
#include <cstdio>
#include <cstdlib>

// libFuzzer keeps the input that made the process abort, so a failed check is kept like a crash.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);               \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)
