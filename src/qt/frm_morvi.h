#pragma once

#include "print/printer.h"
#include "qt/qt_controls.h"
#include "ui/form.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QInputMethodEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableWidget;

namespace morvi {

// The main window: its fixed layout and menus, and the wiring of each event to its handler.
// The desktop and the printer come from outside, so tests can answer and capture them.
class Frm_Morvi : public QMainWindow {
    Q_OBJECT

  public:
    Frm_Morvi(Desktop& desktop, Printer& printer);
    ~Frm_Morvi() override;

    // Runs the load handler. When it returns with ended() the program is over.
    void load(std::function<bool()> prevInstance, const QString& appPath);
    bool ended() const { return ended_; }
    int exitStatus() const { return exitStatus_; }
    Form& form() { return *form_; }
    QtGrid& grid() { return *grid_; }

    QComboBox* cbo_HINMEI;
    QLineEdit* txt_Glam;
    QPushButton* cmd_End;
    QPushButton* cmd_Clear;
    QPushButton* cmd_SET;
    QTableWidget* grd_Hyo;
    QLabel* lbl_Goukei3;
    QLabel* lbl_Goukei2;
    QLabel* lbl_Goukei;
    QAction* g_print;
    QAction* g_end;
    QAction* p_use;
    QAction* g_version;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void findControls();
    void setUpControls();
    void connectEvents();
    void centreOnScreen();

    // Runs one handler: ProgramEnd ends the program, an error without a branch is reported.
    void dispatch(const std::function<void()>& handler);
    void endProgram(int status);

    using KeyHandler = void (*)(Form&, int16_t&);
    bool filterKey(KeyHandler handler, const QKeyEvent& event);
    bool filterGramCommit(const QInputMethodEvent& event);
    void sendToGramField(QInputMethodEvent& event);

    Desktop& desktop_;
    Printer& printer_;
    std::unique_ptr<QtPicker> picker_;
    std::unique_ptr<QtTextBox> gramField_;
    std::unique_ptr<QtFocusable> setButton_;
    std::unique_ptr<QtGrid> grid_;
    std::unique_ptr<QtLabel> kcalTotal_;
    std::unique_ptr<QtLabel> gramTotal_;
    std::unique_ptr<QtLabel> lineCount_;
    std::unique_ptr<Form> form_;
    bool ended_ = false;
    int exitStatus_ = 0;
    bool resendingCommit_ = false;
};

}  // namespace morvi
