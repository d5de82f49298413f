#pragma once

#include "print/printer.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>

namespace morvi {

// The sheet, printed or saved: one copy of A4 portrait pages.
namespace sheet {
inline constexpr QPageSize::PageSizeId kSize = QPageSize::A4;
inline constexpr QPageLayout::Orientation kOrientation = QPageLayout::Portrait;
inline constexpr int kCopies = 1;
}  // namespace sheet

// The system's default printer: drawn by Qt's print support, handed to the print system. One job
// per call, no dialog, the sheet above, a fixed-pitch Japanese font at 12 pt. Error 482 when
// there is no default printer, the job cannot be started, continued or finished, or the queue
// refuses it.
class DefaultPrinter : public Printer {
  public:
    void printLines(const QStringList& lines) override;
    QByteArray pdfDocument(const QStringList& lines) override;

    // The print font: the program's own first, then a fixed-pitch Japanese font of this system
    // in which a full-width character is exactly two half-width cells.
    static QFont printFont();

    // The sheet's pages, printed or saved: the lines top to bottom in the print font, a new page
    // whenever the next line would not fit. Error 482 when the device refuses to
    // begin, to start a page or to finish.
    static void paintPages(QPagedPaintDevice& device, const QStringList& lines);
};

}  // namespace morvi
