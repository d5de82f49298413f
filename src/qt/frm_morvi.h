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
class QLineEdit;
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

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void findControls();
    void setUpControls();
    void connectEvents();
    bool filterGridKey(const QKeyEvent& event);

    // Runs one handler: ProgramEnd ends the program, an error without a branch is reported.
    void dispatch(const std::function<void()>& handler);
    void endProgram(int status);

    using KeyHandler = void (*)(Form&, int16_t&);
    bool filterKey(KeyHandler handler, const QKeyEvent& event);
    bool filterGramCommit(const QInputMethodEvent& event);
    void sendToGramField(QInputMethodEvent& event);

    // The controls the handlers and the wiring work on, by their design names.
    QComboBox* cbo_HINMEI = nullptr;
    QLineEdit* txt_Glam = nullptr;
    QPushButton* cmd_End = nullptr;
    QPushButton* cmd_Clear = nullptr;
    QPushButton* cmd_SET = nullptr;
    QTableWidget* grd_Hyo = nullptr;
    QAction* g_print = nullptr;
    QAction* g_pdf = nullptr;
    QAction* g_end = nullptr;
    QAction* p_use = nullptr;
    QAction* g_version = nullptr;

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
