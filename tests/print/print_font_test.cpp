#include "qt/default_printer.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace morvi {
namespace {

struct AdvanceCase {
    QString text;
    qreal points;
};

// At 12 pt one half-width cell is 6 pt and a full-width character exactly two cells, so the
// columns counted in code page bytes line up on paper.
TEST(PrintFont, FullWidthIsTwoHalfWidthCells) {
    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath(QStringLiteral("metrics.pdf")));
    pdf.setResolution(72);
    const QFont font = DefaultPrinter::printFont();
    const QFontInfo resolved(font);
    EXPECT_TRUE(QStringList({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")})
                    .contains(resolved.family()))
        << resolved.family().toStdString();
    EXPECT_EQ(resolved.pointSizeF(), 12.0);
    const QFontMetricsF metrics(font, &pdf);
    const AdvanceCase cases[] = {
        {QStringLiteral(" "), 6.0},     {QStringLiteral("="), 6.0},
        {QStringLiteral("3"), 6.0},     {QStringLiteral("K"), 6.0},
        {QStringLiteral("ｱ"), 6.0},     {QStringLiteral("ご"), 12.0},
        {QStringLiteral("牛"), 12.0},   {QStringLiteral("ー"), 12.0},
        {QStringLiteral("品名"), 24.0}, {QStringLiteral("グラム(g)"), 54.0},
    };
    for (const AdvanceCase& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_NEAR(metrics.horizontalAdvance(c.text), c.points, 1e-3);
    }
}

}  // namespace
}  // namespace morvi
