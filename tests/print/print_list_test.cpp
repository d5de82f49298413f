#include "print/print_list.h"
#include "base/run_time_error.h"
#include "fake_controls.h"
#include "worked_example.h"

#include <gtest/gtest.h>

#include <optional>

namespace morvi {
namespace {

using testing::FakeWindow;

// Keeps what would have gone to paper; throws the given error instead when asked to.
class CapturingPrinter : public Printer {
  public:
    void printLines(const QStringList& lines) override {
        ++jobs;
        if (failWith) throw RunTimeError(*failWith);
        printed = lines;
    }
    int jobs = 0;
    QStringList printed;
    std::optional<int32_t> failWith;
};

void fillWorkedExample(FakeWindow& w) {
    w.grd_Hyo.SetRows(3);
    w.grd_Hyo.SetTextMatrix(1, 0, QStringLiteral("ごはん"));
    w.grd_Hyo.SetTextMatrix(1, 1, QStringLiteral("150"));
    w.grd_Hyo.SetTextMatrix(1, 2, QStringLiteral("240"));
    w.grd_Hyo.SetTextMatrix(2, 0, QStringLiteral("牛乳"));
    w.grd_Hyo.SetTextMatrix(2, 1, QStringLiteral("200"));
    w.grd_Hyo.SetTextMatrix(2, 2, QStringLiteral("133"));
    w.lbl_Goukei3.caption = QStringLiteral("2");
    w.lbl_Goukei2.caption = QStringLiteral("350");
    w.lbl_Goukei.caption = QStringLiteral("373");
}

const std::vector<QStringList> kWorkedRows{
    {QStringLiteral("ごはん"), QStringLiteral("150"), QStringLiteral("240")},
    {QStringLiteral("牛乳"), QStringLiteral("200"), QStringLiteral("133")},
};

TEST(g_print_Click, PrintsTheTallyWithTheHourglass) {
    FakeWindow w;
    fillWorkedExample(w);
    CapturingPrinter printer;
    g_print_Click(w.form, printer);

    EXPECT_EQ(printer.jobs, 1);
    EXPECT_EQ(printer.printed, testing::kWorkedExamplePrintout);
    EXPECT_EQ(w.desktop.pointerHistory, (std::vector<int>{11, 0}));
    EXPECT_TRUE(w.desktop.messages.empty());
    EXPECT_EQ(w.grd_Hyo.Row(), 2);
    EXPECT_EQ(w.grd_Hyo.Col(), 2);
    EXPECT_EQ(w.grd_Hyo.lines(), kWorkedRows);
    EXPECT_EQ(w.lbl_Goukei3.caption, QStringLiteral("2"));
    EXPECT_EQ(w.lbl_Goukei2.caption, QStringLiteral("350"));
    EXPECT_EQ(w.lbl_Goukei.caption, QStringLiteral("373"));
}

TEST(g_print_Click, EmptyTallySaysSoAndPrintsNothing) {
    const QString blankNames[] = {QString(), QStringLiteral("  "), QStringLiteral("\u3000 ")};
    for (const QString& blank : blankNames) {
        SCOPED_TRACE(blank.toStdString());
        FakeWindow w;
        w.grd_Hyo.SetTextMatrix(1, 0, blank);
        w.grd_Hyo.SetRow(0);
        w.grd_Hyo.SetCol(2);
        CapturingPrinter printer;
        g_print_Click(w.form, printer);

        EXPECT_EQ(printer.jobs, 0);
        ASSERT_EQ(w.desktop.messages.size(), 1u);
        EXPECT_EQ(w.desktop.messages[0].prompt, QStringLiteral("印刷データがありません"));
        EXPECT_EQ(w.desktop.messages[0].style, 16);
        EXPECT_EQ(w.desktop.messages[0].title, QStringLiteral("Morvi"));
        EXPECT_TRUE(w.desktop.pointerHistory.empty());
        EXPECT_EQ(w.grd_Hyo.Row(), 1);
        EXPECT_EQ(w.grd_Hyo.Col(), 0);
    }
}

TEST(g_print_Click, OneItemIsPrinted) {
    FakeWindow w;
    w.grd_Hyo.SetTextMatrix(1, 0, QStringLiteral("牛乳"));
    w.grd_Hyo.SetTextMatrix(1, 1, QStringLiteral("200"));
    w.grd_Hyo.SetTextMatrix(1, 2, QStringLiteral("133"));
    w.lbl_Goukei3.caption = QStringLiteral("1");
    w.lbl_Goukei2.caption = QStringLiteral("200");
    w.lbl_Goukei.caption = QStringLiteral("133");
    CapturingPrinter printer;
    g_print_Click(w.form, printer);

    ASSERT_EQ(printer.printed.size(), 5);
    EXPECT_EQ(printer.printed[2],
              QStringLiteral(
                  "     牛乳                                         200                 133"));
    EXPECT_EQ(
        printer.printed[4],
        QStringLiteral(
            "     合計 1品目                                   200 g               133 Kcal"));
    EXPECT_EQ(w.grd_Hyo.Row(), 1);
    EXPECT_EQ(w.grd_Hyo.Col(), 2);
}

struct FailureCase {
    const char* what;
    int32_t number;
};

TEST(g_print_Click, PrinterFailureRestoresThePointerAndPropagates) {
    const FailureCase cases[] = {{"printer error", 482}, {"another error", 7}};
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.what);
        FakeWindow w;
        fillWorkedExample(w);
        CapturingPrinter printer;
        printer.failWith = c.number;
        std::optional<int32_t> thrown;
        try {
            g_print_Click(w.form, printer);
        } catch (const RunTimeError& e) {
            thrown = e.number();
        }
        EXPECT_EQ(thrown, c.number);
        EXPECT_EQ(w.desktop.pointerHistory, (std::vector<int>{11, 0}));
        EXPECT_TRUE(w.desktop.messages.empty());
        EXPECT_EQ(w.grd_Hyo.lines(), kWorkedRows);
        EXPECT_EQ(w.lbl_Goukei3.caption, QStringLiteral("2"));
        EXPECT_EQ(w.lbl_Goukei2.caption, QStringLiteral("350"));
        EXPECT_EQ(w.lbl_Goukei.caption, QStringLiteral("373"));
    }
}

}  // namespace
}  // namespace morvi
