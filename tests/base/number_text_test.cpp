#include "base/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "error_number.h"

namespace morvi {
namespace {

using testing::errorNumberOf;

struct ReadCase {
    QString input;
    double expected;
    int32_t error;
};

void checkReads(const ReadCase& c, double (*read)(QStringView)) {
    SCOPED_TRACE(c.input.toStdString());
    double got = 0;
    EXPECT_EQ(errorNumberOf([&] { got = read(c.input); }), c.error);
    if (c.error == 0) {
        EXPECT_EQ(got, c.expected);
    }
}

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
    const ReadCase cases[] = {
        {u" 1 2"_qs, 12, 0},     {u"1\t2\n3"_qs, 123, 0}, {u"12.5"_qs, 12.5, 0},
        {u"."_qs, 0, 0},         {u""_qs, 0, 0},          {u"12abc"_qs, 12, 0},
        {u"1,000"_qs, 1, 0},     {u"&H10"_qs, 0, 0},      {u"- 4"_qs, -4, 0},
        {u"2d2"_qs, 200, 0},     {u"2D+1"_qs, 20, 0},     {u"12e+"_qs, 12, 0},
        {u"--1"_qs, 0, 0},       {u"1e-400"_qs, 0, 0},    {u"0.0001e312"_qs, 1e308, 0},
        {u"1e400"_qs, 0, 6},     {u"0.001e312"_qs, 0, 6}, {u"１２"_qs, 0, 0},
        {u"\u3000 12"_qs, 0, 0}, {u"\r12"_qs, 0, 0},      {u"12 345.6 7"_qs, 12345.67, 0},
    };
    for (const auto& c : cases) checkReads(c, leadingNumber);
}

TEST(StrictNumber, TheWholeTextMustBeOneNumber) {
    const ReadCase cases[] = {
        {u"48"_qs, 48, 0},   {u" 267 "_qs, 267, 0}, {u"-3"_qs, -3, 0},  {u"+3"_qs, 3, 0},
        {u"2.5"_qs, 2.5, 0}, {u"1E3"_qs, 1000, 0},  {u"5."_qs, 5, 0},   {u".5"_qs, 0.5, 0},
        {u""_qs, 0, 13},     {u"  "_qs, 0, 13},     {u"abc"_qs, 0, 13}, {u"12a"_qs, 0, 13},
        {u"1 2"_qs, 0, 13},  {u"."_qs, 0, 13},      {u"-"_qs, 0, 13},   {u"1,000"_qs, 0, 13},
        {u"1e"_qs, 0, 13},   {u"1.2.3"_qs, 0, 13},  {u"\t5"_qs, 0, 13}, {u"1e400"_qs, 0, 6},
    };
    for (const auto& c : cases) checkReads(c, strictNumber);
}

TEST(GeneralNumberText, FifteenSignificantDigitsWithoutTrailingZeros) {
    const struct {
        double input;
        const char* expected;
    } cases[] = {
        {12.5, "12.5"},
        {0.1 + 0.2, "0.3"},
        {355.5 - 12.5, "343"},
        {-0.0, "0"},
        {123456789012345, "123456789012345"},
        {1e15, "1E+15"},
        {9999999999999999.0, "1E+16"},
        {1234567890123456789.0, "1.23456789012346E+18"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {0.000015, "1.5E-05"},
        {1e-100, "1E-100"},
        {2.0 / 3.0, "0.666666666666667"},
        {12.34567, "12.34567"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(generalNumberText(c.input), QString::fromLatin1(c.expected));
    }
}

TEST(GeneralNumberText, NonFiniteValuesOverflow) {
    EXPECT_EQ(errorNumberOf([] { generalNumberText(std::numeric_limits<double>::infinity()); }), 6);
    EXPECT_EQ(errorNumberOf([] { generalNumberText(std::nan("")); }), 6);
}

TEST(FieldNumber, ConvertsTheUnitWeightField) {
    const struct {
        QString input;
        int32_t expected;
        int32_t error;
    } cases[] = {
        {u"  120  "_qs, 120, 0},
        {u"\u3000150\u3000"_qs, 150, 0},
        {u"-30"_qs, -30, 0},
        {u"1,234"_qs, 1234, 0},
        {u"1,234,567"_qs, 1234567, 0},
        {u"12.5"_qs, 12, 0},
        {u"13.5"_qs, 14, 0},
        {u"-12.5"_qs, -12, 0},
        {u"１２０"_qs, 120, 0},
        {u"－５"_qs, -5, 0},
        {u"＋５"_qs, 5, 0},
        {u"１２．５"_qs, 12, 0},
        {u"2147483647"_qs, 2147483647, 0},
        {u"-2147483648"_qs, -2147483647 - 1, 0},
        {u"2147483646.5"_qs, 2147483646, 0},
        {u"2147483647.5"_qs, 0, 6},
        {u"2147483648"_qs, 0, 6},
        {u"-2147483649"_qs, 0, 6},
        {u"1e400"_qs, 0, 6},
        {u"abc"_qs, 0, 13},
        {u"1 2"_qs, 0, 13},
        {u","_qs, 0, 13},
        {u",5"_qs, 0, 13},
        {u""_qs, 0, 13},
        {u"."_qs, 0, 13},
        {u"1.2,3"_qs, 0, 13},
        {u"\t5"_qs, 0, 13},
        {u"&H10"_qs, 0, 13},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.toStdString());
        int32_t got = 0;
        EXPECT_EQ(errorNumberOf([&] { got = fieldNumber(c.input); }), c.error);
        if (c.error == 0) {
            EXPECT_EQ(got, c.expected);
        }
    }
}

}  // namespace
}  // namespace morvi
