#include "qt/print_job.h"

#include "base/run_time_error.h"
#include "qt/default_printer.h"
#include "ui/controls.h"

#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cups/cups.h>

namespace morvi {
namespace {

// Hands the finished document to the print system, which answers with a job number, or 0 when
// the queue refuses it.
void submit(const QString& printerName, const QString& documentPath) {
    cups_option_t* options = nullptr;
    // The queue's own defaults might differ from the sheet the document was drawn on.
    const QByteArray media = QPageSize::key(sheet::kSize).toLatin1();
    const char* orientation = sheet::kOrientation == QPageLayout::Portrait ? "3" : "4";
    const QByteArray copies = QByteArray::number(sheet::kCopies);
    int count = cupsAddOption("media", media.constData(), 0, &options);
    count = cupsAddOption("orientation-requested", orientation, count, &options);
    count = cupsAddOption("copies", copies.constData(), count, &options);
    const int job = cupsPrintFile(printerName.toLocal8Bit().constData(),
                                  QFile::encodeName(documentPath).constData(),
                                  title::kApp.toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (job <= 0) throw RunTimeError(err::kPrinterError);
}

}  // namespace

void printJob(const QPrinterInfo& target, const QStringList& lines) {
    QTemporaryFile document;
    if (!document.open()) throw RunTimeError(err::kPrinterError);
    // Written to a file and handed over here rather than by Qt's own print engine, which
    // drops the print system's refusal and would report a lost job as printed.
    QPrinter printer(target, QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(document.fileName());
    setUpPage(printer);
    DefaultPrinter::paintPages(printer, lines);
    submit(target.printerName(), document.fileName());
}

}  // namespace morvi
