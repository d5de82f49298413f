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
    static inline QString failure;
    static QString server(const char* command) {
        return run(u"bash"_s,
                   {QStringLiteral(MORVI_CUPS_TEST_SERVER), QLatin1String(command), dir.path()});
    }
    static void SetUpTestSuite() {
        failure = server("start");
        if (!failure.startsWith(u"failed")) failure.clear();
        qputenv("CUPS_SERVER", dir.filePath(u"cups.sock"_s).toUtf8());
    }
    static void TearDownTestSuite() { server("stop"); }
    void SetUp() override {
        // CI sets this, so a machine that cannot print fails there instead of passing unseen.
        if (!failure.isEmpty() && qEnvironmentVariableIsSet("MORVI_REQUIRE_CUPS"))
            FAIL() << failure.toStdString();
        if (!failure.isEmpty()) GTEST_SKIP() << failure.toStdString();
    }
};

// The text as laid out on the page, then the page size.
QString sheet(const QString& pdf) {
    return run(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s}) +
           run(u"pdfinfo"_s, {pdf}).section(u"Page size:"_s, 1).section(u'\n', 0, 0).simplified();
}

// One tally, printed and saved as PDF: the same page, its font embedded in the saved file.
TEST_F(CupsPrinting, TheTallyPrintedAndSavedIsTheSameSixLinesOnOneA4Page) {
    testing::FakeWindow w;
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
    QStringList words;
    for (const QString& line : printed.split(u'\n'))
        if (!line.simplified().isEmpty()) words << line.simplified();
    EXPECT_EQ(words.join(u'\n').toStdString(),
              "品名 グラム(g) カロリー(Kcal)\n" + std::string(71, '=') +
                  "\nごはん 150 240\n牛乳 200 133\n" + std::string(71, '=') +
                  "\n合計 2品目 350 g 373 Kcal\n595 x 842 pts (A4)");
    for (const QString& font :
         run(u"pdffonts"_s, {w.desktop.saveAs}).split(u'\n', Qt::SkipEmptyParts).mid(2))
        EXPECT_EQ(font.simplified().section(u' ', -5, -5), u"yes") << font.toStdString();
}

// A queue that refuses jobs takes none: the print is a failure, not a success.
TEST_F(CupsPrinting, AQueueRefusingTheJobIs482) {
    run(u"cupsreject"_s, {u"morvi"_s});
    EXPECT_EQ(testing::outcome([] { return DefaultPrinter().printLines({u"x"_s}), QString(); }),
              u"error 482");
    run(u"cupsaccept"_s, {u"morvi"_s});
}

}  // namespace
}  // namespace morvi
