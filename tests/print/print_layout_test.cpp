#include "print/print_layout.h"
#include "worked_example.h"

#include <gtest/gtest.h>

namespace morvi {
namespace {

const QString kHeader = QStringLiteral(
    "     品名                                      グラム(g)        カロリー(Kcal)");
const QString kRuler =
    QStringLiteral("     =======================================================================");

TEST(PrintedLines, WorkedExample) {
    const QStringList lines =
        printedLines({{QStringLiteral("ごはん"), QStringLiteral("150"), QStringLiteral("240")},
                      {QStringLiteral("牛乳"), QStringLiteral("200"), QStringLiteral("133")}},
                     {QStringLiteral("2"), QStringLiteral("350"), QStringLiteral("373")});
    EXPECT_EQ(lines, testing::kWorkedExamplePrintout);
}

struct ItemCase {
    const char* what;
    PrintItem item;
    QString line;
};

TEST(PrintedLines, ItemLine) {
    const ItemCase cases[] = {
        {"full-width name",
         {QStringLiteral("ごはん"), QStringLiteral("150"), QStringLiteral("240")},
         QStringLiteral(
             "     ごはん                                       150                 240")},
        {"name exactly 28 wide: no filler",
         {QStringLiteral("あいうえおかきくけこさしすせ"), QStringLiteral("100"),
          QStringLiteral("50")},
         QStringLiteral(
             "     あいうえおかきくけこさしすせ                 100                  50")},
        {"half-width katakana name, fractional grams",
         {QStringLiteral("ｺﾞﾊﾝ"), QStringLiteral("12.5"), QStringLiteral("8")},
         QStringLiteral(
             "     ｺﾞﾊﾝ                                        12.5                   8")},
        {"unrepresentable letter counts one",
         {QStringLiteral("Café"), QStringLiteral("0.0001"), QStringLiteral("0")},
         QStringLiteral(
             "     Café                                      0.0001                   0")},
        {"name 30 wide printed whole",
         {QStringLiteral("あいうえおかきくけこさしすせそ"), QStringLiteral("1"),
          QStringLiteral("1")},
         QStringLiteral(
             "     あいうえおかきくけこさしすせそ                   1                   1")},
        {"over-wide numbers printed whole",
         {QStringLiteral("牛乳"), QStringLiteral("123456789012345678901"),
          QStringLiteral("1234567890123456789012")},
         QStringLiteral(
             "     牛乳                        1234567890123456789011234567890123456789012")},
        {"every field exactly full",
         {QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ12"), QStringLiteral("99999999999999999999"),
          QStringLiteral("7")},
         QStringLiteral(
             "     ABCDEFGHIJKLMNOPQRSTUVWXYZ1299999999999999999999                   7")},
    };
    for (const ItemCase& c : cases) {
        SCOPED_TRACE(c.what);
        const QStringList lines = printedLines({c.item}, {});
        ASSERT_EQ(lines.size(), 5);
        EXPECT_EQ(lines[2], c.line);
    }
}

struct TotalCase {
    const char* what;
    PrintTotals totals;
    QString line;
};

TEST(PrintedLines, TotalLine) {
    const TotalCase cases[] = {
        {"worked example",
         {QStringLiteral("2"), QStringLiteral("350"), QStringLiteral("373")},
         QStringLiteral(
             "     合計 2品目                                   350 g               373 Kcal")},
        {"two-digit count, fractional grams",
         {QStringLiteral("10"), QStringLiteral("1234.5"), QStringLiteral("9999")},
         QStringLiteral(
             "     合計 10品目                               1234.5 g              9999 Kcal")},
        {"label exactly 28 wide",
         {QStringLiteral("1000000000000000000"), QStringLiteral("1"), QStringLiteral("1")},
         QStringLiteral(
             "     合計 1000000000000000000品目                   1 g                 1 Kcal")},
        {"over-wide totals printed whole",
         {QStringLiteral("3"), QStringLiteral("123456789012345678901"),
          QStringLiteral("1234567890123456789")},
         QStringLiteral(
             "     合計 3品目                  123456789012345678901 g1234567890123456789 Kcal")},
    };
    for (const TotalCase& c : cases) {
        SCOPED_TRACE(c.what);
        const QStringList lines = printedLines({}, c.totals);
        ASSERT_EQ(lines.size(), 4);
        EXPECT_EQ(lines[0], kHeader);
        EXPECT_EQ(lines[1], kRuler);
        EXPECT_EQ(lines[2], kRuler);
        EXPECT_EQ(lines[3], c.line);
    }
}

}  // namespace
}  // namespace morvi
