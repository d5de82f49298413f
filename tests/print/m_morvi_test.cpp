#include "print/m_morvi.h"
#include "base/run_time_error.h"

#include <gtest/gtest.h>

namespace morvi {
namespace {

struct WidthCase {
    const char* what;
    QString text;
    int32_t width;
};

TEST(Str_ByteLen, CountsCodePage932Bytes) {
    const WidthCase cases[] = {
        {"empty", QString(), 0},
        {"ascii", QStringLiteral("abc 1.5"), 7},
        {"hiragana", QStringLiteral("ごはん"), 6},
        {"kanji", QStringLiteral("牛乳"), 4},
        {"full-width letter", QStringLiteral("Ａ"), 2},
        {"ideographic space", QStringLiteral("\u3000"), 2},
        {"half-width katakana", QStringLiteral("ｱ"), 1},
        {"half-width voiced katakana", QStringLiteral("ｶﾞ"), 2},
        {"circled digit of the code page's extension", QStringLiteral("①"), 2},
        {"unrepresentable latin letter", QStringLiteral("é"), 1},
        {"unrepresentable emoji (surrogate pair)", QStringLiteral("\U0001F600"), 1},
        {"mixed", QStringLiteral("牛乳 200g"), 9},
    };
    for (const WidthCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(M_Morvi::Str_ByteLen(c.text), c.width);
    }
}

TEST(Str_Conv, GivesTheCodePageBytes) {
    EXPECT_EQ(M_Morvi::Str_Conv(QStringLiteral("ごはん"), M_Morvi::kFromUnicode),
              QByteArray("\x82\xb2\x82\xcd\x82\xf1"));
    EXPECT_EQ(M_Morvi::Str_Conv(QStringLiteral("ｱé"), M_Morvi::kFromUnicode), QByteArray("\xb1?"));
}

TEST(Str_Conv, RejectsAnotherConversionCode) {
    try {
        M_Morvi::Str_Conv(QStringLiteral("a"), 1);
        FAIL() << "no error";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.number(), err::kInvalidCall);
    }
}

}  // namespace
}  // namespace morvi
