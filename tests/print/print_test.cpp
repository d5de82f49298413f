// The printed list: its columns counted in code page 932 bytes, the print and PDF items on the
// tally, the pages drawn in the print font.
#include "base/cp932.h"
#include "fake_controls.h"
#include "print/pdf_file.h"
#include "print/print_layout.h"
#include "print/print_list.h"
#include "qt/default_printer.h"
#include "ui/error_frame.h"

#include <gtest/gtest.h>
#include <QDate>
#include <QDir>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPdfWriter>
#include <QTemporaryDir>

namespace morvi {
namespace {

using namespace Qt::StringLiterals;

// The two-food example, character for character.
const QStringList kWorkedExample =
    uR"(     品名                                      グラム(g)        カロリー(Kcal)
     =======================================================================
     ごはん                                       150                 240
     牛乳                                         200                 133
     =======================================================================
     合計 2品目                                   350 g               373 Kcal)"_s.split(u'\n');

// Each item line, laid out again from its own three words.
TEST(PrintedLines, ColumnsCountCodePage932BytesAndAWiderTextIsPrintedWhole) {
    for (const char* line : {
             "     ｺﾞﾊﾝé①                                     12.5                   8",
             "     あいうえおかきくけこさしすせそ                   1                -160",
             "     牛乳                        123456789012345678901                   1",
         }) {
        const QStringList f = QString::fromUtf8(line).simplified().split(u' ');
        EXPECT_EQ(printedLines({{f[0], f[1], f[2]}}, {}).at(2).toStdString(), line);
    }
}

// Print and Save as PDF: a word for an empty tally; else the sheet under the hourglass and the
// default pointer again however it ends (a printer's 482 goes up, a file not saved is reported and
// the one there kept whole), and the grid, the labels and the counters stay as they were.
TEST(PrintAndPdfItems, SendTheSheetOrSayThereIsNothingAndLeaveTheTallyAsItWas) {
    support::FakeWindow w;
    w.desktop.pointer = true;
    support::FakePrinter printer;
    g_print_Click(w.form, printer);
    g_pdf_Click(w.form, printer);
    EXPECT_EQ(w.desktop.take(),
              u"Morvi 16: 印刷データがありません, Morvi 16: 印刷データがありません");
    w.holdTwoFoods();
    w.form.tally = {3, 3, 373, Currency::fromDouble(350)};
    const auto tally = [&w] {
        const TallyState& t = w.form.tally;
        return std::tuple(w.shown(), t.m_NextRow, t.m_RowCount, t.m_TotalKcal, t.m_TotalGram);
    };
    const auto before = tally();
    g_print_Click(w.form, printer);
    printer.failWith = err::kPrinterError;
    EXPECT_EQ(support::outcome([&] { return g_print_Click(w.form, printer), QString(); }),
              u"error 482");
    EXPECT_EQ(printer.printed, kWorkedExample);
    EXPECT_EQ(w.desktop.take(), u"Pointer 11, Pointer 0, Pointer 11, Pointer 0");
    EXPECT_EQ(tally(), before);
    QTemporaryDir dir, home;
    const QString kept = dir.filePath(u"kept.pdf"_s);
    ASSERT_TRUE(support::writeFile(kept, "old"));
    // Today's sheet is proposed in the home folder until it has a Documents folder.
    qputenv("HOME", home.path().toUtf8()), qunsetenv("XDG_CONFIG_HOME");
    const std::tuple<QString, const char*, QByteArray, const char*> rows[] = {
        {QString(), "", "old", "~"},
        {kept + u"/new.pdf"_s, ", Pointer 11, Pointer 0, error 76", "old", "~/Documents"},
        {kept, ", Pointer 11, Pointer 0", kWorkedExample.join(u'\n').toUtf8(), "~/Documents"},
    };
    for (const auto& [path, after, content, folder] : rows) {
        w.desktop.saveAs = path;
        withErrorBranch(w.desktop, OnError::Report, [&] { g_pdf_Click(w.form, printer); });
        EXPECT_EQ(w.desktop.take(), u"PDFに保存 PDF (*.pdf): Morvi_########.pdf"_s + after);
        EXPECT_EQ(w.desktop.proposed.replace(home.path(), u"~"_s),
                  u"%1/Morvi_%2.pdf"_s.arg(folder, QDate::currentDate().toString(u"yyyyMMdd")));
        QDir(home.path()).mkdir(u"Documents"_s);
        EXPECT_EQ(support::readFile(kept), content);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{u"kept.pdf"_s});
        EXPECT_EQ(tally(), before);
    }
}

// The name a typed one saves under, in the save dialog and the tests' desktop alike.
TEST(PdfFile, ANameTypedWithoutThePdfSuffixGetsIt) {
    const std::pair<const char*, const char*> rows[] = {
        {"朝食12.8", "朝食12.8.pdf"}, {"note.txt", "note.txt.pdf"},     {"dot.", "dot..pdf"},
        {"Plan.PDF", "Plan.PDF"},     {"d.pdf/plan", "d.pdf/plan.pdf"}, {"", ""}};
    for (const auto& [typed, saved] : rows)
        EXPECT_EQ(withPdfSuffix(QString::fromUtf8(typed)).toStdString(), saved);
}

// An A4 document that counts the lines drawn and refuses its second page.
struct OnePageDocument : QPdfWriter, QPaintEngine {
    int lines = 0;
    OnePageDocument() : QPdfWriter(QString()) {}
    QPaintEngine* paintEngine() const override { return const_cast<OnePageDocument*>(this); }
    bool newPage() override { return false; }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF&, const QTextItem&) override { ++lines; }
    Type type() const override { return User; }
};

// A write cut short, as on a full disk, is error 57 and leaves the file there whole and alone.
TEST(PdfFile, AWriteCutShortLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    ASSERT_TRUE(support::writeFile(dir.filePath(u"kept.pdf"_s), "old"));
    EXPECT_EQ(support::outcomeWithFilesUnder(50000,
                                             [&] {
                                                 return savePdfFile(dir.filePath(u"kept.pdf"_s),
                                                                    QByteArray(100000, '%')),
                                                        QString();
                                             }),
              u"error 57");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"kept.pdf"_s});
    EXPECT_EQ(support::readFile(dir.filePath(u"kept.pdf"_s)), "old");
}

TEST(PrintPages, ALongListNeedsASecondPageAndARefusedPageIs482) {
    OnePageDocument document;
    const QStringList lines(100, u"line"_s);
    EXPECT_EQ(
        support::outcome([&] { return DefaultPrinter::paintPages(document, lines), QString(); }),
        u"error 482");
    EXPECT_GT(document.lines, 40);
    EXPECT_LT(document.lines, 100);
}

// A full-width character is exactly two half-width cells of 6 pt, so byte columns line up.
TEST(PrintPages, TheFontGivesEachCodePageByteSixPoints) {
    QPdfWriter pdf{QString()};
    pdf.setResolution(72);
    const QFontMetricsF metrics(DefaultPrinter::printFont(), &pdf);
    for (const char* text : {" ", "=", "K", "ｱ", "ご", "牛", "ー", "グラム(g)"})
        EXPECT_NEAR(metrics.horizontalAdvance(QString::fromUtf8(text)),
                    6.0 * cp932().encode(QString::fromUtf8(text)).size(), 1e-3)
            << text;
}

}  // namespace
}  // namespace morvi
