#include "base/trim.h"

#include <gtest/gtest.h>

namespace morvi {
namespace {

TEST(TrimSpaces, RemovesOrdinaryAndIdeographicSpacesOnly) {
    const struct {
        QString input;
        QString expected;
    } cases[] = {
        {u"  ごはん  "_qs, u"ごはん"_qs},
        {u"\u3000食パン\u3000 "_qs, u"食パン"_qs},
        {u"\tりんご\t"_qs, u"\tりんご\t"_qs},
        {u" 牛 乳 "_qs, u"牛 乳"_qs},
        {u"\u3000 \u3000"_qs, u""_qs},
        {u""_qs, u""_qs},
        {u"\u00A0x\u00A0"_qs, u"\u00A0x\u00A0"_qs},
        {u"a\r\n"_qs, u"a\r\n"_qs},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.toStdString());
        EXPECT_EQ(trimSpaces(c.input), c.expected);
    }
}

}  // namespace
}  // namespace morvi
