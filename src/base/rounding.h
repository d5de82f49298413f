#pragma once

#include <cstdint>

namespace morvi {

// Nearest whole number, a tie going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// Whole-number conversions with the range checks of the 16- and 32-bit counters and totals:
// rounding as roundHalfEven, error 6 when the result (or a NaN) does not fit.
int32_t toInt32(double value);
int16_t toInt16(int64_t value);

}  // namespace morvi
