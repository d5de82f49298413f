// The printed list: its columns counted in code page 932 bytes, the print item on the tally, the
// pages drawn in the print font.
#include "base/cp932.h"
#include "fake_controls.h"
#include "print/print_layout.h"
#include "print/print_list.h"
#include "qt/default_printer.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QDir>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPdfWriter>
#include <QTemporaryDir>

namespace morvi {
namespace {

// The two-food example, character for character.
const QStringList kWorkedExample{
    QStringLiteral(
        "     品名                                      グラム(g)        カロリー(Kcal)"),
    QStringLiteral("     ======================================================================="),
    QStringLiteral("     ごはん                                       150                 240"),
    QStringLiteral("     牛乳                                         200                 133"),
    QStringLiteral("     ======================================================================="),
    QStringLiteral(
        "     合計 2品目                                   350 g               373 Kcal"),
};

// An item line from "name grams kcal", a total line from "count grams kcal".
TEST(PrintedLines, ColumnsCountCodePage932BytesAndAWiderTextIsPrintedWhole) {
    const std::pair<const char*, const char*> items[] = {
        {"あいうえおかきくけこさしすせ 100 50",
         "     あいうえおかきくけこさしすせ                 100                  50"},
        {"ｺﾞﾊﾝ 12.5 8",
         "     ｺﾞﾊﾝ                                        12.5                   8"},
        {"Café① 0.0001 0",
         "     Café①                                    0.0001                   0"},
        {"あいうえおかきくけこさしすせそ 1 1",
         "     あいうえおかきくけこさしすせそ                   1                   1"},
        {"N 100 -160", "     N                                            100                -160"},
        {"牛乳 123456789012345678901 1",
         "     牛乳                        123456789012345678901                   1"},
    };
    const std::pair<const char*, const char*> totals[] = {
        {"10 1234.5 9999",
         "     合計 10品目                               1234.5 g              9999 Kcal"},
        {"3 123456789012345678901 1234567890123456789",
         "     合計 3品目                  123456789012345678901 g1234567890123456789 Kcal"},
    };
    for (const auto& [fields, line] : items) {
        const QStringList f = QString::fromUtf8(fields).split(u' ');
        EXPECT_EQ(printedLines({{f[0], f[1], f[2]}}, {}).at(2).toStdString(), line);
    }
    for (const auto& [fields, line] : totals) {
        const QStringList f = QString::fromUtf8(fields).split(u' ');
        EXPECT_EQ(printedLines({}, {f[0], f[1], f[2]}).at(3).toStdString(), line);
    }
}

struct CapturingPrinter : Printer {
    QStringList printed;
    int32_t failWith = 0;
    void printLines(const QStringList& lines) override {
        if (failWith) throw RunTimeError(failWith);
        printed = lines;
    }
    QByteArray pdfDocument(const QStringList& lines) override { return lines.join(u'\n').toUtf8(); }
};

TEST(PrintItem, PrintsTheTallyUnderTheHourglassOrSaysThereIsNothing) {
    testing::FakeWindow w;
    CapturingPrinter printer;
    g_print_Click(w.form, printer);
    EXPECT_EQ(w.desktop.take(), u"Morvi 16: 印刷データがありません");
    w.holdTwoFoods();
    g_print_Click(w.form, printer);
    EXPECT_EQ(printer.printed, kWorkedExample);
    w.grd_Hyo.cells.pop_back();
    w.lbl_Goukei3.caption = QStringLiteral("1");
    g_print_Click(w.form, printer);
    EXPECT_EQ(printer.printed.at(2), kWorkedExample.at(2));
    printer.failWith = err::kPrinterError;
    EXPECT_EQ(testing::outcome([&] { return g_print_Click(w.form, printer), QString(); }),
              u"error 482");
    EXPECT_EQ(w.desktop.take(),
              u"Pointer 11, Pointer 0, Pointer 11, Pointer 0, Pointer 11, Pointer 0");
}

// The sheet is saved whole over the file chosen, or not at all: Cancel writes nothing, a folder
// that is a file is error 76; the file there and the tally stay as they were.
TEST(PdfItem, SavesThePrintedSheetOrNothingAndTheTallyStays) {
    testing::FakeWindow w;
    CapturingPrinter printer;
    g_pdf_Click(w.form, printer);
    EXPECT_EQ(w.desktop.take(), u"Morvi 16: 印刷データがありません");
    w.holdTwoFoods();
    QTemporaryDir dir;
    QFile kept(dir.filePath(QStringLiteral("kept.pdf")));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly) && kept.write("old") == 3);
    kept.close();
    const std::tuple<QString, const char*, QByteArray> rows[] = {
        {QString(), "", "old"},
        {kept.fileName() + QStringLiteral("/new.pdf"), ", Pointer 11, Pointer 0, error 76", "old"},
        {kept.fileName(), ", Pointer 11, Pointer 0", kWorkedExample.join(u'\n').toUtf8()},
    };
    for (const auto& [path, after, content] : rows) {
        w.desktop.saveAs = path;
        g_pdf_Click(w.form, printer);
        EXPECT_EQ(w.desktop.take(),
                  QStringLiteral("PDFに保存 PDF (*.pdf): Morvi_########.pdf") + after);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), content);
        kept.close();
        EXPECT_EQ(
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("kept.pdf")});
        EXPECT_EQ(w.shown(), u"ごはん 150 240|牛乳 200 133 / 373 350 2 / ");
    }
}

// An A4 document that counts the lines drawn and refuses its second page.
struct OnePageDocument : QPdfWriter, QPaintEngine {
    int lines = 0;
    explicit OnePageDocument(QIODevice* out) : QPdfWriter(out) {}
    QPaintEngine* paintEngine() const override { return const_cast<OnePageDocument*>(this); }
    bool newPage() override { return false; }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF&, const QTextItem&) override { ++lines; }
    Type type() const override { return User; }
};

TEST(PrintPages, ALongListNeedsASecondPageAndARefusedPageIs482) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    OnePageDocument document(&out);
    QStringList lines;
    for (int i = 0; i < 100; ++i) lines << QStringLiteral("line");
    EXPECT_EQ(
        testing::outcome([&] { return DefaultPrinter::paintPages(document, lines), QString(); }),
        u"error 482");
    EXPECT_GT(document.lines, 40);
    EXPECT_LT(document.lines, 100);
}

// A full-width character is exactly two half-width cells of 6 pt, so byte columns line up.
TEST(PrintPages, TheFontGivesEachCodePageByteSixPoints) {
    QBuffer out;
    QPdfWriter pdf(&out);
    pdf.setResolution(72);
    const QFontMetricsF metrics(DefaultPrinter::printFont(), &pdf);
    for (const char* text : {" ", "=", "K", "ｱ", "ご", "牛", "ー", "グラム(g)"})
        EXPECT_NEAR(metrics.horizontalAdvance(QString::fromUtf8(text)),
                    6.0 * cp932().encode(QString::fromUtf8(text)).size(), 1e-3)
            << text;
}

}  // namespace
}  // namespace morvi
