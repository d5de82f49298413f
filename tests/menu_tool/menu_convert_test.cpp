#include "menu_tool/menu_convert.h"
#include "food_test_util.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <filesystem>

namespace morvi::menu_tool {
namespace {

using namespace Qt::StringLiterals;
using morvi::testing::sjis;

class ConvertTest : public ::testing::Test {
  protected:
    QString at(const QString& name) const { return dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) {
        QFile file(at(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray contents(const QString& name) const {
        QFile file(at(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    QTemporaryDir dir;
};

struct Case {
    const char* name;
    QByteArray in;
    QString expected;  // the copy's text, before encoding to code page 932
};
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class ConvertTableTest : public ConvertTest, public ::testing::WithParamInterface<Case> {};

TEST_P(ConvertTableTest, WritesCodePage932WithCrLf) {
    write(u"in.txt"_s, GetParam().in);
    const ConvertResult result = convertMenu(at(u"in.txt"_s), at(u"out.txt"_s));
    EXPECT_EQ(result.status, 0) << result.messages.join(u'\n').toStdString();
    EXPECT_EQ(contents(u"out.txt"_s), sjis(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, ConvertTableTest,
    ::testing::Values(
        Case{"Utf8Lf", "\xE3\x81\x94,\xE3\x81\x94,51\nA,a,1\n", u"ご,ご,51\r\nA,a,1\r\n"_s},
        Case{"Utf8BomNoFinalEnd",
             "\xEF\xBB\xBF"
             "A,a,1\r\nB,b,2",
             u"A,a,1\r\nB,b,2"_s},
        Case{"Utf16Le",
             QByteArray("\xFF\xFE\x54\x30,\0a\0,\0"
                        "1\0\n\0",
                        14),
             u"ご,a,1\r\n"_s},
        Case{"Utf16Be",
             QByteArray("\xFE\xFF\x30\x54\0,\0a\0,\0"
                        "1",
                        12),
             u"ご,a,1"_s},
        Case{"CodePage932Lf", "\x82\xB2,a,1\nB,b,2\n", u"ご,a,1\r\nB,b,2\r\n"_s},
        Case{"MixedLineEnds", "A,a,1\rB,b,2\nC,c,3\r\n", u"A,a,1\r\nB,b,2\r\nC,c,3\r\n"_s},
        Case{"JisFormsToTheCodePage", "\xE3\x80\x9C,\xE2\x88\x92,1\n", u"\uFF5E,\uFF0D,1\r\n"_s},
        Case{"Empty", "", QString()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConvertTest, RefusesCharactersTheCodePageLacks) {
    write(u"in.txt"_s, "A,a,1\n\xF0\x9F\x8D\xA3,\xC3\xA9,2\n");
    write(u"out.txt"_s, "old");
    const ConvertResult result = convertMenu(at(u"in.txt"_s), at(u"out.txt"_s));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(
        result.messages,
        (QStringList{at(u"in.txt"_s) + u":2: 「🍣」(U+1F363) は code page 932 にない文字です"_s,
                     at(u"in.txt"_s) + u":2: 「é」(U+00E9) は code page 932 にない文字です"_s,
                     at(u"in.txt"_s) + u": code page 932 にない文字が 2 個あります — "_s +
                         at(u"out.txt"_s) + u" は書き出していません"_s}));
    EXPECT_EQ(contents(u"out.txt"_s), "old");
}

TEST_F(ConvertTest, NeverWritesOverItsInput) {
    write(u"in.txt"_s, "A,a,1\n");
    ASSERT_TRUE(QFile::link(at(u"in.txt"_s), at(u"link.txt"_s)));
    std::filesystem::create_hard_link(at(u"in.txt"_s).toStdString(),
                                      at(u"hard.txt"_s).toStdString());
    for (const QString& out :
         {at(u"in.txt"_s), at(u"link.txt"_s), at(u"hard.txt"_s), dir.path() + u"/./in.txt"_s}) {
        SCOPED_TRACE(out.toStdString());
        EXPECT_EQ(convertMenu(at(u"in.txt"_s), out).status, 2);
        EXPECT_EQ(contents(u"in.txt"_s), "A,a,1\n");
    }
}

TEST_F(ConvertTest, UnreadableInputAndUnwritableOutput) {
    const ConvertResult missing = convertMenu(at(u"none.txt"_s), at(u"out.txt"_s));
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.messages,
              QStringList(at(u"none.txt"_s) + u": error 53: ファイルが見つかりません。"_s));
    write(u"in.txt"_s, "A,a,1\n");
    EXPECT_EQ(convertMenu(at(u"in.txt"_s), at(u"no/dir/out.txt"_s)).status, 2);
}

}  // namespace
}  // namespace morvi::menu_tool
