#include "base/run_time_error.h"
#include "qt/default_printer.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QPaintEngine>
#include <QPdfWriter>

#include <optional>

namespace morvi {
namespace {

// Counts the lines drawn; its end fails when asked to.
class CountingEngine : public QPaintEngine {
  public:
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return !failEnd; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF&, const QTextItem&) override { ++lines; }
    Type type() const override { return User; }

    bool failEnd = false;
    int lines = 0;
};

// An A4 document whose page `failingPage` cannot be started.
class FailingDocument : public QPdfWriter {
  public:
    explicit FailingDocument(QIODevice* out) : QPdfWriter(out) {}
    QPaintEngine* paintEngine() const override { return &engine; }
    bool newPage() override { return ++page_ < failingPage; }

    mutable CountingEngine engine;
    int failingPage = 0;

  private:
    int page_ = 1;
};

struct Case {
    const char* what;
    int failingPage;
    bool failEnd;
    std::optional<int32_t> error;
    bool allDrawn;
};

TEST(PaintPages, AFailureMidJobOrAtTheEndIsError482) {
    const Case cases[] = {
        {"no failure", 99, false, std::nullopt, true},
        {"page 2 refused", 2, false, 482, false},
        {"end refused", 99, true, 482, true},
    };
    QStringList lines;
    for (int i = 1; i <= 100; ++i) lines << QStringLiteral("line %1").arg(i);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        FailingDocument document(&out);
        document.failingPage = c.failingPage;
        document.engine.failEnd = c.failEnd;
        std::optional<int32_t> thrown;
        try {
            DefaultPrinter::paintPages(document, lines);
        } catch (const RunTimeError& e) {
            thrown = e.number();
        }
        EXPECT_EQ(thrown, c.error);
        EXPECT_EQ(document.engine.lines == 100, c.allDrawn) << document.engine.lines;
        EXPECT_GT(document.engine.lines, 0);
    }
}

}  // namespace
}  // namespace morvi
