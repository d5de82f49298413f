#include "qt/default_printer.h"

#include "base/run_time_error.h"
#include "qt/print_job.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace morvi {
namespace {

constexpr qreal kFontPoints = 12.0;

void require(bool ok) {
    if (!ok) throw RunTimeError(err::kPrinterError);
}

}  // namespace

void setUpPage(QPrinter& printer) {
    printer.setCopyCount(sheet::kCopies);
    printer.setFullPage(false);
}

QFont DefaultPrinter::printFont() {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")});
    font.setPointSizeF(kFontPoints);
    font.setStyleHint(QFont::Monospace);
    return font;
}

void DefaultPrinter::paintPages(QPagedPaintDevice& device, const QStringList& lines) {
    device.setPageSize(QPageSize(sheet::kSize));
    device.setPageOrientation(sheet::kOrientation);
    QPainter painter;
    require(painter.begin(&device));
    painter.setFont(printFont());
    const QFontMetricsF metrics(painter.font(), &device);
    const qreal pageHeight = device.pageLayout().paintRectPixels(device.logicalDpiY()).height();
    qreal top = 0;
    for (const QString& line : lines) {
        if (top > 0 && top + metrics.height() > pageHeight) {
            require(device.newPage());
            top = 0;
        }
        painter.drawText(QPointF(0, top + metrics.ascent()), line);
        top += metrics.lineSpacing();
    }
    require(painter.end());
}

void DefaultPrinter::printLines(const QStringList& lines) {
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    require(!target.isNull());
    printJob(target, lines);
}

QByteArray DefaultPrinter::pdfDocument(const QStringList& lines) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&out);
    paintPages(pdf, lines);
    return out.data();
}

}  // namespace morvi
