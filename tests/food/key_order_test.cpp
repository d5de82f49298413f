#include "food/key_order.h"

#include "exchange_loop_reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace morvi {
namespace {

using namespace Qt::StringLiterals;
using testing::referenceExchangeOrder;

struct Case {
    const char* name;
    std::vector<QString> keys;
    std::vector<int> expected;
};

class KeyOrderTest : public ::testing::TestWithParam<Case> {};

TEST_P(KeyOrderTest, MatchesTheExchangeLoop) {
    EXPECT_EQ(exchangeSortOrder(GetParam().keys), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, KeyOrderTest,
    ::testing::Values(Case{"Empty", {}, {}}, Case{"One", {u"a"_s}, {0}},
                      // ごはん, しょくぱん, りんご, ぎゅうにゅう: the worked example.
                      Case{"WorkedExample",
                           {u"ごはん"_s, u"しょくぱん"_s, u"りんご"_s, u"ぎゅうにゅう"_s},
                           {3, 0, 1, 2}},
                      // b, b, a (X, Y, Z) ends Z, Y, X: the equal keys change places.
                      Case{"EqualKeysSwap", {u"b"_s, u"b"_s, u"a"_s}, {2, 1, 0}},
                      Case{"AllEqualKeepFileOrder", {u"k"_s, u"k"_s, u"k"_s}, {0, 1, 2}},
                      Case{"EmptyKeyFirst", {u"a"_s, QString(), u"b"_s}, {1, 0, 2}},
                      Case{"PrefixBeforeLonger", {u"ab"_s, u"a"_s}, {1, 0}},
                      Case{"HiraganaBeforeKatakana", {u"カ"_s, u"か"_s}, {1, 0}},
                      Case{"CodeUnitsNotCase", {u"b"_s, u"B"_s, u"a"_s}, {1, 2, 0}},
                      // A surrogate pair's code units (D8xx) sort below U+FF5E.
                      Case{"CodeUnitsNotCodePoints", {u"\uFF5E"_s, u"\U0001F34E"_s}, {1, 0}},
                      Case{"BBAA", {u"b"_s, u"b"_s, u"a"_s, u"a"_s}, {2, 3, 0, 1}},
                      Case{"ABAB", {u"b"_s, u"a"_s, u"b"_s, u"a"_s}, {1, 3, 2, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

std::vector<QString> randomKeys(std::mt19937& rng, int n, int distinct, int length) {
    std::uniform_int_distribution<int> letter(0, distinct - 1);
    std::uniform_int_distribution<int> size(0, length);
    std::vector<QString> keys(n);
    for (QString& key : keys) {
        const int len = size(rng);
        for (int c = 0; c < len; ++c) key += QChar(u'a' + letter(rng));
    }
    return keys;
}

// Every seed, size and key alphabet gives the plain loop's order, entry for entry.
TEST(KeyOrderDifferential, EqualsTheReferenceLoop) {
    struct Alphabet {
        int distinct;
        int length;
    };
    const Alphabet alphabets[] = {{1, 1}, {2, 1}, {3, 1}, {2, 3}, {26, 2}, {26, 8}};
    for (uint32_t seed = 1; seed <= 25; ++seed) {
        std::mt19937 rng(seed);
        for (int n = 0; n <= 60; ++n)
            for (const Alphabet& a : alphabets) {
                SCOPED_TRACE(::testing::Message() << "seed " << seed << " n " << n << " distinct "
                                                  << a.distinct << " length " << a.length);
                std::vector<QString> keys = randomKeys(rng, n, a.distinct, a.length);
                ASSERT_EQ(exchangeSortOrder(keys), referenceExchangeOrder(keys));
                std::sort(keys.begin(), keys.end());
                ASSERT_EQ(exchangeSortOrder(keys), referenceExchangeOrder(keys));
                std::reverse(keys.begin(), keys.end());
                ASSERT_EQ(exchangeSortOrder(keys), referenceExchangeOrder(keys));
            }
    }
}

// Larger lists with many equal keys, where rotations wrap many times.
TEST(KeyOrderDifferential, LargerListsWithManyEqualKeys) {
    for (const int n : {500, 1500})
        for (const int distinct : {2, 5, 40}) {
            SCOPED_TRACE(::testing::Message() << "n " << n << " distinct " << distinct);
            std::mt19937 rng(n + distinct);
            const std::vector<QString> keys = randomKeys(rng, n, distinct, 1);
            ASSERT_EQ(exchangeSortOrder(keys), referenceExchangeOrder(keys));
        }
}

}  // namespace
}  // namespace morvi
