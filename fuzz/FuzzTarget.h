#pragma once

// The two entry points every fuzz target defines. libFuzzer calls them when the targets are
// built with -DOXTA_FUZZ=ON; otherwise ReplayMain.cpp does, once per corpus file.
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// A property that does not hold is a finding: stop as a crash, so that libFuzzer keeps the
// input and a replay test fails.
#define FUZZ_CHECK(condition)                             \
    do {                                                  \
        if (!(condition))                                 \
            ::fuzzFailed(#condition, __FILE__, __LINE__); \
    } while (0)

[[noreturn]] void fuzzFailed(const char* condition, const char* file, int line);
