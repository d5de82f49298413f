// The real printing path: a private CUPS scheduler whose default queue keeps each job's PDF as it
// arrived, read back with poppler's tools beside the same tally saved as PDF.
#include "fake_controls.h"
#include "print/print_list.h"
#include "qt/default_printer.h"

#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

namespace morvi {
namespace {

using namespace Qt::StringLiterals;

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    p.waitForFinished(30000);
    return p.exitCode() == 0 ? QString::fromUtf8(p.readAll()) : u"failed: "_s + p.readAll();
}

class CupsPrinting : public ::testing::Test {
  protected:
    static inline QTemporaryDir dir;
    static inline std::string failure;
    static inline const QString server = QStringLiteral(MORVI_CUPS_TEST_SERVER);
    static void SetUpTestSuite() {
        failure = run(server, {u"start"_s, dir.path()}).toStdString();
        if (!failure.starts_with("failed")) failure.clear();
        qputenv("CUPS_SERVER", dir.filePath(u"cups.sock"_s).toUtf8());
    }
    static void TearDownTestSuite() { run(server, {u"stop"_s, dir.path()}); }
    void SetUp() override {
        if (failure.empty()) return;
        // CI sets this, so a machine that cannot print fails there instead of passing unseen.
        if (qEnvironmentVariableIsSet("MORVI_REQUIRE_CUPS")) FAIL() << failure;
        GTEST_SKIP() << failure;
    }
};

// The text on a PDF file's page, then its page size, every run of spaces and line ends one space.
QString sheet(const QString& pdf) {
    return (run(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s}) +
            run(u"pdfinfo"_s, {pdf}).split(u'\n').filter(u"Page size:"_s).join(u""))
        .simplified();
}

// One tally, printed and saved as PDF: the lines laid out on one A4 page, its font embedded in
// the saved file. Then a queue that refuses jobs, and no default printer at all: the print is a
// failure, not a success.
TEST_F(CupsPrinting, TheTallyPrintedAndSavedIsTheSameA4PageOrTheFailureIs482) {
    support::FakeWindow w;
    w.holdTwoFoods();
    DefaultPrinter printer;
    g_print_Click(w.form, printer);
    w.desktop.saveAs = dir.filePath(u"Morvi.pdf"_s);
    g_pdf_Click(w.form, printer);
    const QDir out(dir.filePath(u"out"_s));
    QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired() && (out.isEmpty() || !run(u"lpstat"_s, {u"-o"_s}).isEmpty()))
        QThread::msleep(50);
    ASSERT_FALSE(out.isEmpty()) << "no job arrived";
    const QString printed = sheet(out.filePath(out.entryList(QDir::Files).front()));
    EXPECT_EQ(sheet(w.desktop.saveAs), printed);
    EXPECT_EQ(printed,
              support::expand("品名 グラム(g) カロリー(Kcal) ={71} ごはん 150 240 牛乳 200 133 "
                              "={71} 合計 2品目 350 g 373 Kcal Page size: 595 x 842 pts (A4)"));
    for (const QString& font :
         run(u"pdffonts"_s, {w.desktop.saveAs}).split(u'\n', Qt::SkipEmptyParts).mid(2))
        EXPECT_EQ(font.simplified().section(u' ', -5, -5), u"yes") << font.toStdString();
    const auto print = [&] { return printer.printLines({u"x"_s}), QString(); };
    run(u"cupsreject"_s, {u"morvi"_s});
    EXPECT_EQ(support::outcome(print), u"error 482");  // the queue refuses jobs
    run(u"cupsaccept"_s, {u"morvi"_s}), qputenv("LPDEST", "none");
    EXPECT_EQ(support::outcome(print), u"error 482");  // no such printer
    qunsetenv("LPDEST");
}

}  // namespace
}  // namespace morvi
