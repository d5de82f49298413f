#include "base/currency.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "error_number.h"

namespace morvi {
namespace {

using testing::errorNumberOf;

TEST(CurrencyFromDouble, RoundsToFourDecimalsAsWritten) {
    const struct {
        double input;
        int64_t units;
    } cases[] = {
        {12.34567, 123457},
        {12.5, 125000},
        {150.0, 1500000},
        {0.00005, 0},  // tie, 0 is even
        {0.00015, 2},  // tie, up to the even 2
        {0.00025, 2},  // tie, down to the even 2
        {0.000051, 1},
        {0.000049, 0},
        {1.00005, 10000},
        {2.00015, 20002},
        {-12.34565, -123456},  // tie, even 6
        {-0.00015, -2},
        {1e-30, 0},
        {0.1 + 0.2, 3000},
        {922337203685477.5, 9223372036854775000},
        {-922337203685477.5, -9223372036854775000},
        {123456789012.3457, 1234567890123457},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(Currency::fromDouble(c.input).tenThousandths(), c.units);
    }
}

TEST(CurrencyFromDouble, OutsideTheRangeOverflows) {
    const double cases[] = {922337203685477.625,
                            -922337203685477.625,
                            1e15,
                            1e300,
                            std::numeric_limits<double>::infinity(),
                            std::nan("")};
    for (double input : cases) {
        SCOPED_TRACE(input);
        EXPECT_EQ(errorNumberOf([&] { Currency::fromDouble(input); }), 6);
    }
}

TEST(CurrencyText, UpToFourDecimalsWithoutTrailingZeros) {
    const struct {
        int64_t units;
        const char* expected;
    } cases[] = {
        {1625000, "162.5"},
        {0, "0"},
        {-32500, "-3.25"},
        {123457, "12.3457"},
        {1, "0.0001"},
        {-1, "-0.0001"},
        {3500000, "350"},
        {100, "0.01"},
        {std::numeric_limits<int64_t>::max(), "922337203685477.5807"},
        {std::numeric_limits<int64_t>::min(), "-922337203685477.5808"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.units);
        EXPECT_EQ(Currency::fromTenThousandths(c.units).text(), QString::fromLatin1(c.expected));
    }
}

TEST(CurrencyArithmetic, SumsAndDifferencesStayExact) {
    const Currency a = Currency::fromDouble(355.5);
    const Currency b = Currency::fromDouble(12.5);
    EXPECT_EQ((a - b).text(), u"343"_qs);
    EXPECT_EQ((a + b).text(), u"368"_qs);
    EXPECT_EQ((Currency::fromDouble(0.1) + Currency::fromDouble(0.2)).text(), u"0.3"_qs);
}

TEST(CurrencyArithmetic, OverflowIsError6) {
    const Currency top = Currency::fromTenThousandths(std::numeric_limits<int64_t>::max());
    const Currency bottom = Currency::fromTenThousandths(std::numeric_limits<int64_t>::min());
    const Currency one = Currency::fromTenThousandths(1);
    EXPECT_EQ(errorNumberOf([&] { (void)(top + one); }), 6);
    EXPECT_EQ(errorNumberOf([&] { (void)(bottom - one); }), 6);
    EXPECT_EQ(errorNumberOf([&] { (void)(one - bottom); }), 6);
    EXPECT_EQ(errorNumberOf([&] { (void)(top - one + one); }), 0);
}

}  // namespace
}  // namespace morvi
