#include "base/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "error_number.h"

namespace morvi {
namespace {

using testing::errorNumberOf;

struct RoundCase {
    double input;
    double expected;
};

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
    const RoundCase cases[] = {
        {2.5, 2.0},
        {3.5, 4.0},
        {-2.5, -2.0},
        {-3.5, -4.0},
        {0.5, 0.0},
        {1.5, 2.0},
        {-0.5, 0.0},
        {7.5, 8.0},
        {2.4, 2.0},
        {2.6, 3.0},
        {-2.6, -3.0},
        {266.666, 267.0},
        {0.49999999999999994, 0.0},
        {4503599627370495.5, 4503599627370496.0},
        {1e300, 1e300},
        {0.0, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(roundHalfEven(c.input), c.expected);
    }
}

struct WholeCase {
    double input;
    int64_t expected;
    int32_t error;
};

TEST(ToInt16, WholeNumbersOutsideTheRangeOverflow) {
    const struct {
        int64_t input;
        int32_t error;
    } cases[] = {{32767, 0}, {32768, 6}, {-32768, 0}, {-32769, 6}, {int64_t{1} << 40, 6}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        int16_t got = 0;
        EXPECT_EQ(errorNumberOf([&] { got = toInt16(c.input); }), c.error);
        if (c.error == 0) {
            EXPECT_EQ(got, c.input);
        }
    }
}

TEST(ToInt32, RoundsThenChecksTheRange) {
    const WholeCase cases[] = {
        {2147483647.0, 2147483647, 0},
        {2147483647.4, 2147483647, 0},
        {2147483647.5, 0, 6},
        {2147483648.0, 0, 6},
        {2147483646.5, 2147483646, 0},
        {-2147483648.0, -2147483648LL, 0},
        {-2147483648.5, -2147483648LL, 0},
        {-2147483649.0, 0, 6},
        {2.5, 2, 0},
        {266.6666666, 267, 0},
        {std::numeric_limits<double>::infinity(), 0, 6},
        {-std::numeric_limits<double>::infinity(), 0, 6},
        {std::nan(""), 0, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        int32_t got = 0;
        EXPECT_EQ(errorNumberOf([&] { got = toInt32(c.input); }), c.error);
        if (c.error == 0) {
            EXPECT_EQ(got, c.expected);
        }
    }
}

}  // namespace
}  // namespace morvi
