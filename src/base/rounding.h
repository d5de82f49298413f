#pragma once

#include <cstdint>

namespace morvi {

// Nearest whole number, a tie going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// Whole-number conversions with the range checks of the 16- and 32-bit counters and totals, error
// 6 when the value (or a NaN) does not fit: toInt32 rounds as roundHalfEven first.
int32_t toInt32(double value);
int16_t toInt16(int64_t value);

}  // namespace morvi
