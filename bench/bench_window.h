#pragma once

#include "qt/frm_morvi.h"
#include "qt/qt_desktop.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace morvi::bench {

// The program's own desktop, except that a message box is answered at once: Yes to the deletion
// question; any other message means the benchmark went wrong and is kept for it to report.
class AnsweringDesktop : public QtDesktop {
  public:
    int MsgBox(const QString& prompt, int style, const QString& title) override;
    QString unexpected;
};

// Keeps the lines instead of sending them to a printer.
class CapturingPrinter : public Printer {
  public:
    void printLines(const QStringList& lines) override { printed = lines; }
    QByteArray pdfDocument(const QStringList&) override { return {}; }
    QStringList printed;
};

// The real main window, started on the menu.txt in a directory and shown offscreen.
struct BenchWindow {
    explicit BenchWindow(const QString& menuDir);
    AnsweringDesktop desktop;
    CapturingPrinter printer;
    Frm_Morvi window{desktop, printer};
};

// A control of the window by its design name.
template <class T>
T* control(Frm_Morvi& window, const char* name) {
    return window.findChild<T*>(QLatin1String(name));
}

// Runs the window's load handler on the menu.txt in a directory, then the event loop until the
// window's first frame is painted. Throws when the load ends the program or nothing is painted.
void startUntilFirstFrame(Frm_Morvi& window, const QString& menuDir);

// Windows kept across benchmarks by a key, so a prepared tally is built once per run. They are
// closed by closeKeptWindows() while the application still exists.
BenchWindow* keptWindow(int key);
BenchWindow& keepWindow(int key, std::unique_ptr<BenchWindow> window);
void closeKeptWindows();

}  // namespace morvi::bench
