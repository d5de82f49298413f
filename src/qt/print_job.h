#pragma once

#include <QStringList>

class QPrinter;
class QPrinterInfo;

namespace morvi {

// The sheet's copies, on the printable area only.
void setUpPage(QPrinter& printer);

// Draws the lines as one job for the target printer and hands it over; error 482 when the job
// cannot be made or the printer refuses it. One build of the program has one way to do this:
// through CUPS, or through Qt's own print engine where there is no CUPS.
void printJob(const QPrinterInfo& target, const QStringList& lines);

}  // namespace morvi
