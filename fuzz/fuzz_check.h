#pragma once

#include <cstdio>
#include <cstdlib>

namespace morvi::fuzz {

// A broken contract: say which, then abort so that libFuzzer keeps the input.
inline void require(bool holds, const char* contract) {
    if (holds) return;
    std::fprintf(stderr, "contract broken: %s\n", contract);
    std::abort();
}

}  // namespace morvi::fuzz
