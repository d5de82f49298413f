#pragma once

#include "print/printer.h"

#include <QFont>

namespace morvi {

// The system's default printer through Qt's print support (CUPS on Linux): one job per call,
// no dialog, A4 portrait, one copy, a fixed-pitch Japanese font at 12 pt. Error 482 when there
// is no default printer or the job cannot be started, continued or finished.
class DefaultPrinter : public Printer {
  public:
    void printLines(const QStringList& lines) override;

    // The print font: the program's own first, then a fixed-pitch Japanese font of this system
    // in which a full-width character is exactly two half-width cells.
    static QFont printFont();
};

}  // namespace morvi
