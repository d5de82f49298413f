#include "base/rounding.h"

#include <cmath>
#include <limits>

#include "base/run_time_error.h"

namespace morvi {

namespace {

template <typename Int>
Int checkedWhole(double value) {
    const double whole = roundHalfEven(value);
    // Written as a negated range test so that a NaN fails it too.
    if (!(whole >= std::numeric_limits<Int>::min() && whole <= std::numeric_limits<Int>::max()))
        throw RunTimeError(err::kOverflow);
    return static_cast<Int>(whole);
}

}  // namespace

double roundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    // The IEEE remainder picks the nearest whole number, ties to even, and is exact.
    return value - std::remainder(value, 1.0);
}

int32_t toInt32(double value) { return checkedWhole<int32_t>(value); }

int16_t toInt16(int64_t value) {
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        throw RunTimeError(err::kOverflow);
    return static_cast<int16_t>(value);
}

}  // namespace morvi
