#pragma once

#include <QDialog>

class QKeyEvent;
class QLabel;
class QPushButton;

namespace morvi {

// The version dialog: the program's icon, name and version, an authorship line and "OK".
// Closing it ("OK" or the close box) destroys it, so each opening starts from this layout.
class Frm_Ver : public QDialog {
    Q_OBJECT

  public:
    Frm_Ver();

    QPushButton* cmd_ok;
    QLabel* Label2;  // authorship line
    QLabel* Label1;  // name and version
    QLabel* Image1;  // program icon

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void cmd_ok_Click();
};

}  // namespace morvi
