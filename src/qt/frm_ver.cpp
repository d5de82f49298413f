#include "qt/frm_ver.h"

#include "qt/form_builder.h"
#include "ui/layouts.h"

#include <QKeyEvent>
#include <QPushButton>

namespace morvi {

Frm_Ver::Frm_Ver()
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    const FormLayout& layout = kVersionDialogLayout;
    setUpWindow(this, layout);
    setAttribute(Qt::WA_DeleteOnClose);
    // The program ends when none of its windows remains open, this one included; Qt would
    // leave a tool window out of that count.
    setAttribute(Qt::WA_QuitOnClose, true);
    setFixedSize(clientSize(layout));
    centreOnScreen(this);
    buildControls(this, layout);
    auto* cmd_ok = findControl<QPushButton>(this, "cmd_ok");
    // The notice label overlaps the button's top edge; the button stays clickable above it.
    cmd_ok->raise();
    connect(cmd_ok, &QPushButton::clicked, this, &Frm_Ver::cmd_ok_Click);
    cmd_ok->setFocus();
}

void Frm_Ver::cmd_ok_Click() { close(); }

// There is no cancel button: Escape leaves the dialog open.
void Frm_Ver::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace morvi
