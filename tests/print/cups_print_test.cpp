// The real printing path: a private CUPS scheduler whose default queue keeps each job's PDF as it
// arrived, read back with poppler's tools.
#include "fake_controls.h"
#include "print/print_layout.h"
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

TEST_F(CupsPrinting, TheTallyReachesThePrinterAsSixLinesOnOneA4Page) {
    DefaultPrinter().printLines(
        printedLines({{u"ごはん"_s, u"150"_s, u"240"_s}, {u"牛乳"_s, u"200"_s, u"133"_s}},
                     {u"2"_s, u"350"_s, u"373"_s}));
    const QDir out(dir.filePath(u"out"_s));
    QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired() && (out.isEmpty() || !run(u"lpstat"_s, {u"-o"_s}).isEmpty()))
        QThread::msleep(50);
    ASSERT_FALSE(out.isEmpty()) << "no job arrived";
    const QString job = out.filePath(out.entryList(QDir::Files).front());
    QStringList words;
    for (const QString& line : run(u"pdftotext"_s, {u"-layout"_s, job, u"-"_s}).split(u'\n'))
        if (!line.simplified().isEmpty()) words << line.simplified();
    words << run(u"pdfinfo"_s, {job}).section(u"Page size:"_s, 1).section(u'\n', 0, 0).simplified();
    EXPECT_EQ(words.join(u'\n').toStdString(),
              "品名 グラム(g) カロリー(Kcal)\n" + std::string(71, '=') +
                  "\nごはん 150 240\n牛乳 200 133\n" + std::string(71, '=') +
                  "\n合計 2品目 350 g 373 Kcal\n595 x 842 pts (A4)");
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
