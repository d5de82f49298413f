#include "menu_tool/check_report.h"
#include "food_test_util.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace morvi::menu_tool {
namespace {

using namespace Qt::StringLiterals;
using morvi::testing::sjis;

class CheckTest : public ::testing::Test {
  protected:
    MenuCheck check(const QByteArray& bytes) {
        QFile file(path());
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        return checkMenuFile(path());
    }
    QString path() const { return dir.filePath(u"menu.txt"_s); }
    QTemporaryDir dir;
};

struct Said {
    qint64 line;
    int32_t error;
    const char16_t* detail;
};

struct FindingCase {
    const char* name;
    QString text;  // written in code page 932
    std::vector<Said> expected;
};
void PrintTo(const FindingCase& c, std::ostream* os) { *os << c.name; }

class FindingTest : public CheckTest, public ::testing::WithParamInterface<FindingCase> {};

TEST_P(FindingTest, SaysWhatIsWrongWithEachLine) {
    const MenuCheck result = check(sjis(GetParam().text));
    EXPECT_EQ(result.notice, QString());
    std::vector<Said> expected = GetParam().expected;
    ASSERT_EQ(result.findings.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(result.findings[i].line, expected[i].line);
        EXPECT_EQ(result.findings[i].error, expected[i].error);
        EXPECT_EQ(result.findings[i].detail, QString::fromUtf16(expected[i].detail));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FindingTest,
    ::testing::Values(
        FindingCase{"Clean", u"ごはん,ごはん,51\r\n食パン,しょくぱん,32\r\n"_s, {}},
        FindingCase{"Refusals",
                    u"\r\n  \r\nA a 1\r\nA,a 1\r\nA,a,\r\nA,a,abc\r\nA,a,3000000000\r\n"_s,
                    {{1, 5, u"空の行です"},
                     {2, 5, u"空白だけの行です"},
                     {3, 5, u"カンマがありません"},
                     {4, 5, u"カンマが1つしかありません"},
                     {5, 13, u"3番目の項目（単位重量）が空です"},
                     {6, 13, u"3番目の項目「abc」が数値ではありません"},
                     {7, 6, u"3番目の項目「3000000000」が範囲外です（-2147483648～2147483647）"}}},
        FindingCase{"Positions",
                    QString(32767, u'x') + u",k,1\r\na,"_s + QString(32764, u'k') + u",1\r\n"_s,
                    {{1, 6, u"カンマが 32,767 文字目より後にあります"},
                     {2, 6, u"3番目の項目が 32,767 文字目より後から始まります"}}},
        FindingCase{
            "Warnings",
            u"X,b,1\r\nY,b,2\r\nZ,a,3\r\nX,c,0\r\nQ,d,-3\r\n"
            u"とてもながいなまえのしょくひんです,e,5\r\n"_s,
            {{2, 0,
              u"並べ替えキー「b」の行が 2 つあります（1, 2 行目）— 一覧では 2, 1 "
              u"行目の順に並びます"},
             {4, 0, u"品名「X」は 1 行目と同じです — 集計では1行にまとまります"},
             {4, 0, u"単位重量が 0 です — この食品を追加すると Morvi は error 11 で終了します"},
             {5, 0, u"単位重量が負の数です（-3）— カロリーが負になります"},
             {6, 0, u"品名の幅が 34 あり、印刷の品名欄（28）からはみ出します"}}},
        FindingCase{"EqualKeysInFileOrder",
                    u"A,a,1\r\nB,a,2\r\nC,a,3\r\nD,a,4\r\nE,a,5\r\nF,a,6\r\nG,a,7\r\n"_s,
                    {{2, 0,
                      u"並べ替えキー「a」の行が 7 つあります（1, 2, 3, 4, 5, … 行目）— "
                      u"今はファイルの順ですが、その順は並べ替えで決まります"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CheckTest, UndecodableByteIsAWarning) {
    const MenuCheck result = check("A\x82,a,1\r\n");
    ASSERT_EQ(result.findings.size(), 1u);
    EXPECT_EQ(result.findings[0].detail,
              u"code page 932 として読めないバイトがあります — その文字は「\uFFFD」になります"_s);
}

struct NoticeCase {
    const char* name;
    QByteArray bytes;
    const char16_t* what;
};
void PrintTo(const NoticeCase& c, std::ostream* os) { *os << c.name; }

class NoticeTest : public CheckTest, public ::testing::WithParamInterface<NoticeCase> {};

TEST_P(NoticeTest, OneLineInsteadOfACascade) {
    const MenuCheck result = check(GetParam().bytes);
    EXPECT_EQ(result.notice,
              QString::fromUtf16(GetParam().what) +
                  u"のファイルです — Morvi が読めるのは code page 932 (Shift_JIS)、改行 CR LF "
                  u"の一覧です。morvi-menu convert で変換できます"_s);
    EXPECT_TRUE(result.findings.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, NoticeTest,
    ::testing::Values(NoticeCase{"Utf8", "\xE3\x81\x94,\xE3\x81\x94,51\r\n", u"UTF-8（BOM なし）"},
                      NoticeCase{"Utf8Bom",
                                 "\xEF\xBB\xBF"
                                 "A,a,1\r\n",
                                 u"UTF-8（BOM あり）"},
                      NoticeCase{"Utf8Lf", "\xE3\x81\x94,a,1\nB,b,2\n",
                                 u"UTF-8（BOM なし）、改行が LF だけ"},
                      NoticeCase{"Utf16Le",
                                 QByteArray("\xFF\xFE"
                                            "A\0,\0a\0,\0"
                                            "1\0\r\0\n\0",
                                            16),
                                 u"UTF-16 LE（BOM あり）"},
                      NoticeCase{"Utf16Be",
                                 QByteArray("\xFE\xFF\0A\0,\0a\0,\0"
                                            "1",
                                            11),
                                 u"UTF-16 BE（BOM あり）"},
                      NoticeCase{"LfOnly", "A,a,1\nB,b,2\n", u"改行が LF だけ"},
                      NoticeCase{"MixedLineEnds", "A,a,1\r\nB,b,2\nC,c,3\r\n",
                                 u"LF だけの改行が混在（最初は 2 行目）"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CheckTest, ReportAndExitStatus) {
    const MenuCheck bad = check("A,a,1\r\nB b\r\n");
    EXPECT_EQ(checkReport(u"m.txt"_s, bad),
              (QStringList{u"m.txt:2: error 5: プロシージャの呼び出し、または引数が不正です。 — "
                           u"カンマがありません"_s,
                           u"m.txt: 食品 1 件、エラー 1 件、警告 0 件 — "
                           u"Morvi は起動時に error 5 で止まります（2 行目）"_s}));
    EXPECT_EQ(checkExitStatus(bad), 1);
    const MenuCheck good = check("A,a,1\r\n");
    EXPECT_EQ(checkReport(u"m.txt"_s, good),
              (QStringList{u"m.txt: 食品 1 件、エラー 0 件、警告 0 件 — "
                           u"Morvi は起動時にこの一覧を読み込みます"_s}));
    EXPECT_EQ(checkExitStatus(good), 0);
    const MenuCheck missing = checkMenuFile(dir.filePath(u"none.txt"_s));
    EXPECT_EQ(checkReport(u"none.txt"_s, missing),
              (QStringList{u"none.txt: error 53: ファイルが見つかりません。 — ファイルを読めません"
                           u"（Morvi も起動時に error 53 で止まります）"_s}));
    EXPECT_EQ(checkExitStatus(missing), 2);
}

}  // namespace
}  // namespace morvi::menu_tool
