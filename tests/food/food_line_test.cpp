#include "food/food_line.h"

#include "food_test_util.h"

#include <gtest/gtest.h>

namespace morvi {
namespace {

using namespace Qt::StringLiterals;

using testing::raisedNumber;

struct Case {
    const char* name;
    QString line;
    QString hinmei;
    QString yomi;
    int32_t unitGram;
};

class FoodLineTest : public ::testing::TestWithParam<Case> {};

TEST_P(FoodLineTest, SplitsIntoTrimmedFields) {
    const Case& c = GetParam();
    const FoodLine food = parseFoodLine(c.line);
    EXPECT_EQ(food.name, c.hinmei);
    EXPECT_EQ(food.key, c.yomi);
    EXPECT_EQ(food.unitGram, c.unitGram);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FoodLineTest,
    ::testing::Values(Case{"Plain", u"ごはん,ごはん,50"_s, u"ごはん"_s, u"ごはん"_s, 50},
                      Case{"SpacesAroundFieldsDropped", u"  牛乳 , ぎゅうにゅう ,  120  "_s,
                           u"牛乳"_s, u"ぎゅうにゅう"_s, 120},
                      Case{"IdeographicSpacesDropped", u"\u3000牛乳\u3000,ぎゅう,120\u3000"_s,
                           u"牛乳"_s, u"ぎゅう"_s, 120},
                      Case{"EmptyName", u",key,7"_s, QString(), u"key"_s, 7},
                      Case{"EmptyKey", u"name,,7"_s, u"name"_s, QString(), 7},
                      Case{"HalfToEvenDown", u"a,b,12.5"_s, u"a"_s, u"b"_s, 12},
                      Case{"HalfToEvenUp", u"a,b,13.5"_s, u"a"_s, u"b"_s, 14},
                      Case{"Negative", u"a,b,-3"_s, u"a"_s, u"b"_s, -3},
                      Case{"Zero", u"a,b,0"_s, u"a"_s, u"b"_s, 0},
                      Case{"FurtherCommasAreThousands", u"a,b,1,234"_s, u"a"_s, u"b"_s, 1234},
                      Case{"LargestWeight", u"a,b,2147483647"_s, u"a"_s, u"b"_s, 2147483647},
                      Case{"SmallestWeight", u"a,b,-2147483648"_s, u"a"_s, u"b"_s, -2147483647 - 1},
                      Case{"TabIsNotTrimmedFromName", u"\ta,b,1"_s, u"\ta"_s, u"b"_s, 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct ErrorCase {
    const char* name;
    QString line;
    int32_t number;
};

class FoodLineErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(FoodLineErrorTest, RaisesItsNumber) {
    EXPECT_EQ(raisedNumber([&] { parseFoodLine(GetParam().line); }), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Errors, FoodLineErrorTest,
                         ::testing::Values(ErrorCase{"EmptyLine", QString(), 5},
                                           ErrorCase{"SpacesOnly", u"   "_s, 5},
                                           ErrorCase{"NoComma", u"ごはん ごはん 50"_s, 5},
                                           ErrorCase{"OneComma", u"ごはん,ごはん 50"_s, 5},
                                           ErrorCase{"Field3Empty", u"a,b,"_s, 13},
                                           ErrorCase{"Field3Spaces", u"a,b,   "_s, 13},
                                           ErrorCase{"Field3Text", u"a,b,abc"_s, 13},
                                           ErrorCase{"Field3AboveRange", u"a,b,2147483648"_s, 6},
                                           ErrorCase{"Field3BelowRange", u"a,b,-2147483649"_s, 6},
                                           ErrorCase{"LfInsideField3", u"a,b,5\nc,d,6"_s, 13}),
                         [](const auto& info) { return std::string(info.param.name); });

// Positions are 16-bit: a comma beyond character 32,767 overflows, one at 32,767 does not.
TEST(FoodLinePositions, CommaAndField3PositionsAre16Bit) {
    struct PosCase {
        QString line;
        int32_t number;
    };
    const QString n32766(32766, u'x');
    const QString n32767(32767, u'x');
    const PosCase cases[] = {
        {n32766 + u",k"_s, 5},            // p1 = 32767 fits; the missing second comma fails
        {n32767 + u",k"_s, 6},            // p1 = 32768
        {n32766 + u",k,1"_s, 6},          // s3 = 32767 + 2 + 1
        {u"a,"_s + n32767 + u",1"_s, 6},  // p2 = 32768
        {u"a,"_s + QString(32763, u'k') + u",1"_s, 0},  // s3 = 2 + 32764 + 1 = 32767
        {u"a,"_s + QString(32764, u'k') + u",1"_s, 6},  // s3 = 32768
        {n32767, 5},                                    // no comma at all
    };
    for (const PosCase& c : cases) {
        SCOPED_TRACE(c.line.size());
        EXPECT_EQ(raisedNumber([&] { parseFoodLine(c.line); }), c.number);
    }
}

}  // namespace
}  // namespace morvi
