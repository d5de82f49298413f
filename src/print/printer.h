#pragma once

#include <QByteArray>
#include <QStringList>

namespace morvi {

// Where the printed list goes. The real one is the system's default printer; tests capture the
// lines instead.
class Printer {
  public:
    virtual ~Printer() = default;
    // One document: A4 portrait, one copy, a fixed-pitch Japanese font at 12 pt, the lines in order
    // (continuing on further pages as needed). Error 482 when there is no default printer or it
    // fails.
    virtual void printLines(const QStringList& lines) = 0;
    // The same pages as the bytes of a PDF file, its fonts embedded. Error 482 when they cannot
    // be drawn.
    virtual QByteArray pdfDocument(const QStringList& lines) = 0;
};

}  // namespace morvi
