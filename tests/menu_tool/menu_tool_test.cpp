// morvi-menu: what `check` finds in a list, and what `convert` writes. The report it prints is run
// by the install test.
#include "base/cp932.h"
#include "fake_controls.h"
#include "menu_tool/menu_check.h"
#include "menu_tool/menu_convert.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <filesystem>

namespace morvi::menu_tool {
namespace {

using namespace Qt::StringLiterals;

class MenuTool : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    // The lists are written to, and named from, the working folder.
    void SetUp() override { QDir::setCurrent(dir.path()); }
    // The findings as "line:error detail", or the notice's head.
    std::string check(const QByteArray& bytes) {
        EXPECT_TRUE(support::writeFile(u"menu.txt"_s, bytes));
        const MenuCheck c = checkMenuFile(u"menu.txt"_s);
        QStringList said;
        for (const Finding& f : c.findings)
            said << u"%1:%2 %3"_s.arg(f.line).arg(f.error).arg(f.detail);
        return (c.notice.isEmpty() ? said.join(u"; ") : c.notice.section(u"のファイルです"_s, 0, 0))
            .toStdString();
    }
};

TEST_F(MenuTool, CheckSaysWhatIsWrongWithEachLine) {
    const std::pair<const char*, const char*> rows[] = {
        {"ごはん,ごはん,51\r\nBread,pan,32\r\n", ""},
        {"\r\n", "1:5 空の行です"},
        {"  ", "1:5 空白だけの行です"},
        {"A a 1", "1:5 カンマがありません"},
        {"A,a 1", "1:5 カンマが1つしかありません"},
        {"A,a,", "1:13 3番目の項目（単位重量）が空です"},
        {"A,a,abc", "1:13 3番目の項目「abc」が数値ではありません"},
        {"A,a,3000000000", "1:6 3番目の項目「3000000000」が範囲外です（-2147483648～2147483647）"},
        {"x{32767},k,1", "1:6 カンマが 32,767 文字目より後にあります"},
        {"a,k{32764},1", "1:6 3番目の項目が 32,767 文字目より後から始まります"},
        {"X,b,1\r\nY,b,2\r\nZ,a,3",
         "2:0 並べ替えキー「b」の行が 2 つあります（1, 2 行目）— 一覧では 2, 1 行目の順に並びます"},
        {"A,a,1\r\nB,a,2\r\nC,a,3\r\nD,a,4\r\nE,a,5\r\nF,a,6",
         "2:0 並べ替えキー「a」の行が 6 つあります（1, 2, 3, 4, 5, … 行目）— "
         "今はファイルの順ですが、その順は並べ替えで決まります"},
        {"X,a,1\r\nX,b,0",
         "2:0 品名「X」は 1 行目と同じです — 集計では1行にまとまります; 2:0 単位重量が 0 "
         "です — この食品を追加しようとすると Morvi は error 11 を報告し、一覧に加えません"},
        {"Q,d,-3", "1:0 単位重量が負の数です（-3）— カロリーが負になります"},
        {"とてもながいなまえのしょくひんです,e,5",
         "1:0 品名の幅が 34 あり、印刷の品名欄（28）からはみ出します"},
    };
    for (const auto& [text, said] : rows)
        EXPECT_EQ(check(cp932().encode(support::expand(text))), said) << text;
    const std::pair<QByteArray, const char*> files[] = {
        {"A\x82,a,1",
         "1:0 code page 932 として読めないバイトがあります — その文字は「\uFFFD」になります"},
        {"ご,a,1\nB,b,2\n", "UTF-8（BOM なし）、改行が LF だけ"},
        {QByteArray::fromHex("FFFE41002C0061002C0031000D000A00"), "UTF-16 LE（BOM あり）"},
        {"A,a,1\r\nB,b,2\nC,c,3\r\n", "LF だけの改行が混在（最初は 2 行目）"},
    };
    for (const auto& [bytes, said] : files) EXPECT_EQ(check(bytes), said);
    EXPECT_TRUE(check(QByteArray("F,k,1\r\n").repeated(32767))
                    .ends_with("6 行が多すぎます（32767 行、Morvi が読めるのは 32766 行まで）"));
}

TEST_F(MenuTool, ConvertWritesCodePage932WithCrLfOrRefusesWithoutWriting) {
    const std::pair<QByteArray, const char*> rows[] = {
        {"ご,\u301C\u2212,51\nA,a,1\n", "0 out: UTF-8（BOM なし） ご,～－,51\r\nA,a,1\r\n"},
        {"\uFEFFA,a,1\r\nB,b,2", "0 out: UTF-8（BOM あり） A,a,1\r\nB,b,2"},
        {QByteArray::fromHex("FEFF0041002C0061002C0031000A"),
         "0 out: UTF-16 BE（BOM あり） A,a,1\r\n"},
        {"\x82\xB2,a,1\rB,b,2\n", "0 out: code page 932 ご,a,1\r\nB,b,2\r\n"},
        {"A,a,1\n🍣,é,2\n", "1 in:2: 「🍣」(U+1F363) old"},
    };
    for (const auto& [bytes, written] : rows) {
        ASSERT_TRUE(support::writeFile(u"in"_s, bytes) && support::writeFile(u"out"_s, "old"));
        const ConvertResult r = convertMenu(u"in"_s, u"out"_s);
        // The first message up to its words: "out: <encoding>", "in:2: 「<character>」(U+<code>)".
        const QString said = r.messages.value(0).section(QRegularExpression(u" [のは] "_s), 0, 0);
        EXPECT_EQ(
            u"%1 %2 %3"_s.arg(r.status).arg(said, cp932().decode(support::readFile(u"out"_s))),
            QString::fromUtf8(written));
    }
    ASSERT_TRUE(support::writeFile(u"in"_s, "A,a,1\n"));
    QFile::link(u"in"_s, u"link"_s);
    std::filesystem::create_hard_link("in", "hard");
    for (const char* out : {"./in", "link", "hard", "no/dir/out"})
        EXPECT_EQ(convertMenu(u"in"_s, QLatin1String(out)).status, 2) << out;
    EXPECT_EQ(convertMenu(u"none"_s, u"out"_s).messages.value(0).section(u": "_s, 0, 1),
              u"none: error 53");
    // A write cut short, as on a full disk, replaces nothing.
    ASSERT_TRUE(support::writeFile(u"in"_s, QByteArray("A,a,1\n").repeated(20000)));
    ASSERT_TRUE(support::writeFile(u"out"_s, "old"));
    EXPECT_EQ(support::outcomeWithFilesUnder(
                  50000, [] { return QString::number(convertMenu(u"in"_s, u"out"_s).status); }),
              u"2");
    EXPECT_EQ(support::readFile(u"out"_s), "old");
}

}  // namespace
}  // namespace morvi::menu_tool
