#pragma once

#include <QDialog>

class QKeyEvent;

namespace morvi {

// The version dialog: the program's icon, name and version, an authorship line and "OK".
// Closing it ("OK" or the close box) destroys it, so each opening starts from this layout.
class Frm_Ver : public QDialog {
    Q_OBJECT

  public:
    Frm_Ver();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void cmd_ok_Click();
};

}  // namespace morvi
