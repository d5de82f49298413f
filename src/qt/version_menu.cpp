#include "qt/version_menu.h"

#include "qt/frm_ver.h"

#include <QCoreApplication>
#include <QPointer>

namespace morvi {

namespace {

QPointer<Frm_Ver>& theVersionDialog() {
    static QPointer<Frm_Ver> dialog;
    return dialog;
}

// The dialog has no owner by design: it deletes itself when closed, or when the program quits.
Frm_Ver* loadVersionDialog() {
    auto* dialog = new Frm_Ver;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, dialog, &QObject::deleteLater);
    return dialog;
}

}  // namespace

void g_version_Click() {
    QPointer<Frm_Ver>& dialog = theVersionDialog();
    // A closed dialog may still await its deletion; it counts as unloaded.
    if (!dialog || !dialog->isVisible()) dialog = loadVersionDialog();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

}  // namespace morvi
