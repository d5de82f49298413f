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
#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cstdio>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

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
// the one there kept whole), and the grid and the labels stay as they were.
TEST(PrintAndPdfItems, SendTheSheetOrSayThereIsNothingAndLeaveTheTallyAsItWas) {
    support::FakeWindow w;
    w.desktop.pointer = true;
    support::FakePrinter printer;
    g_print_Click(w.form, printer);
    g_pdf_Click(w.form, printer);
    EXPECT_EQ(w.desktop.take(),
              u"Morvi 16: 印刷データがありません, Morvi 16: 印刷データがありません");
    w.holdTwoFoods();
    const QString before = w.shown();
    g_print_Click(w.form, printer);
    printer.failWith = err::kPrinterError;
    EXPECT_EQ(support::outcome([&] { return g_print_Click(w.form, printer), QString(); }),
              u"error 482");
    EXPECT_EQ(printer.printed, kWorkedExample);
    EXPECT_EQ(w.desktop.take(), u"Pointer 11, Pointer 0, Pointer 11, Pointer 0");
    EXPECT_EQ(w.shown(), before);
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
        EXPECT_EQ(w.shown(), before);
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

// A save onto a full disk is 61 and leaves the file there whole and alone: in a child with a
// mount namespace of its own, on a 64 KiB file system that the sheet overflows.
TEST(PdfFile, ASaveOntoAFullDiskIs61AndLeavesTheOldFileWhole) {
    if (geteuid() != 0 && !qEnvironmentVariableIsSet("CI")) GTEST_SKIP() << "mounts need root";
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // the child must not inherit Qt's threads
    QTemporaryDir dir;
    const QString kept = dir.filePath(u"kept.pdf"_s);
    const auto saveOntoFullDisk = [&] {
        if (unshare(CLONE_NEWNS) || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) ||
            mount("morvi", QFile::encodeName(dir.path()), "tmpfs", 0, "size=64k"))
            std::fputs("no mount\n", stderr), std::_Exit(1);
        support::writeFile(kept, "old");
        const QString said =
            support::outcome([&] { return savePdfFile(kept, QByteArray(200000, '%')), QString(); });
        const QStringList there = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        std::fprintf(stderr, "%s %s %s\n", qPrintable(said), qPrintable(there.join(u' ')),
                     support::readFile(kept).constData());
        std::_Exit(0);
    };
    EXPECT_EXIT(saveOntoFullDisk(), ::testing::ExitedWithCode(0),
                "(^|\n)error 61 kept\\.pdf old\n$");
}

// A4 holds a list of 40 lines; a longer one needs a second page, and a page refused is 482.
TEST(PrintPages, ALongListNeedsASecondPageAndARefusedPageIs482) {
    struct OnePageDocument : QPdfWriter {
        using QPdfWriter::QPdfWriter;
        bool newPage() override { return false; }
    };
    for (const auto& [count, said] : {std::pair{40, ""}, {100, "error 482"}}) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        OnePageDocument document(&out);
        const QStringList lines(count, u"line"_s);
        EXPECT_EQ(support::outcome(
                      [&] { return DefaultPrinter::paintPages(document, lines), std::string(); }),
                  said);
    }
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
