#include "qt/default_printer.h"

#include "base/run_time_error.h"
#include "ui/controls.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cups/cups.h>

namespace morvi {
namespace {

constexpr qreal kFontPoints = 12.0;

void require(bool ok) {
    if (!ok) throw RunTimeError(err::kPrinterError);
}

void setUpPage(QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setCopyCount(1);
    printer.setFullPage(false);
}

// Hands the finished document to the print system, which answers with a job number, or 0 when
// the queue refuses it.
void submit(const QString& printerName, const QString& documentPath) {
    cups_option_t* options = nullptr;
    int count = cupsAddOption("media", "A4", 0, &options);
    count = cupsAddOption("orientation-requested", "3", count, &options);
    count = cupsAddOption("copies", "1", count, &options);
    const int job = cupsPrintFile(printerName.toLocal8Bit().constData(),
                                  QFile::encodeName(documentPath).constData(),
                                  title::kApp.toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    require(job > 0);
}

}  // namespace

QFont DefaultPrinter::printFont() {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")});
    font.setPointSizeF(kFontPoints);
    font.setStyleHint(QFont::Monospace);
    return font;
}

void DefaultPrinter::paintPages(QPagedPaintDevice& device, const QStringList& lines) {
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
    QTemporaryFile document;
    require(document.open());
    // Written to a file and handed over here rather than by Qt's own print engine, which
    // drops the print system's refusal and would report a lost job as printed.
    QPrinter printer(target, QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(document.fileName());
    setUpPage(printer);
    paintPages(printer, lines);
    submit(target.printerName(), document.fileName());
}

}  // namespace morvi
