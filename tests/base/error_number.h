#pragma once

#include <cstdint>

#include "base/run_time_error.h"

namespace morvi::testing {

// The number of the run-time error that f raises, 0 when it returns normally.
template <typename F>
int32_t errorNumberOf(F&& f) {
    try {
        f();
    } catch (const RunTimeError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace morvi::testing
