#include "qt/print_job.h"

#include "base/run_time_error.h"
#include "qt/default_printer.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace morvi {

// Qt's own print engine: all that can be known is whether it reached an error state.
void printJob(const QPrinterInfo& target, const QStringList& lines) {
    QPrinter printer(target, QPrinter::HighResolution);
    setUpPage(printer);
    DefaultPrinter::paintPages(printer, lines);
    if (printer.printerState() == QPrinter::Error) throw RunTimeError(err::kPrinterError);
}

}  // namespace morvi
