#include "app/single_instance.h"
#include "qt/default_printer.h"
#include "qt/frm_morvi.h"
#include "qt/qt_desktop.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    morvi::installQtTranslation();
    morvi::InstanceLock instance(morvi::InstanceLock::defaultDirectory());
    morvi::QtDesktop desktop;
    morvi::DefaultPrinter printer;
    morvi::Frm_Morvi window(desktop, printer);
    window.load([&] { return instance.anotherInstanceRunning(); },
                QCoreApplication::applicationDirPath());
    if (window.ended()) return window.exitStatus();
    const int status = QApplication::exec();
    return window.ended() ? window.exitStatus() : status;
}
