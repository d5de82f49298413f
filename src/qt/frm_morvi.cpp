#include "qt/frm_morvi.h"

#include "app/form_load.h"
#include "app/usage.h"
#include "print/print_list.h"
#include "qt/form_builder.h"
#include "qt/key_ascii.h"
#include "qt/picker_search.h"
#include "qt/units.h"
#include "qt/version_menu.h"
#include "tally/add_item.h"
#include "tally/entry_keys.h"
#include "tally/remove_item.h"
#include "ui/error_frame.h"
#include "ui/layouts.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QValidator>

namespace morvi {

namespace {

// Accepts only what the gram field may hold, so no paste or drop brings anything else in.
class GramValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return isGramText(input) ? Acceptable : Invalid;
    }
};

// The focus comes back rather than moves when the window is activated again or a menu or
// message box closes over the field.
bool focusMoved(const QEvent& event) {
    const Qt::FocusReason reason = static_cast<const QFocusEvent&>(event).reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

}  // namespace

Frm_Morvi::Frm_Morvi(Desktop& desktop, Printer& printer) : desktop_(desktop), printer_(printer) {
    const FormLayout& layout = kMainWindowLayout;
    setUpWindow(this, layout);
    setCentralWidget(new QWidget(this));
    buildControls(centralWidget(), layout);
    buildMenus(menuBar(), layout);
    resize(clientSize(layout) + QSize(0, menuBar()->sizeHint().height()));
    findControls();
    setUpControls();

    picker_ = std::make_unique<QtPicker>(cbo_HINMEI);
    gramField_ = std::make_unique<QtTextBox>(txt_Glam);
    setButton_ = std::make_unique<QtFocusable>(cmd_SET);
    grid_ = std::make_unique<QtGrid>(grd_Hyo);
    const auto total = [this](const char* name, const QString& counts) {
        return std::make_unique<QtTotalLabel>(findControl<QLabel>(centralWidget(), name), counts);
    };
    kcalTotal_ = total("lbl_Goukei", QStringLiteral("合計 Kcal"));
    gramTotal_ = total("lbl_Goukei2", QStringLiteral("合計 g"));
    lineCount_ = total("lbl_Goukei3", QStringLiteral("合計 品目"));
    form_ = std::make_unique<Form>(Form{
        Controls{*picker_, *gramField_, *setButton_, *grid_, *kcalTotal_, *gramTotal_, *lineCount_},
        desktop_,
        {},
        {}});
    connectEvents();
}

Frm_Morvi::~Frm_Morvi() = default;

void Frm_Morvi::findControls() {
    const QWidget* client = centralWidget();
    cbo_HINMEI = findControl<QComboBox>(client, "cbo_HINMEI");
    txt_Glam = findControl<QLineEdit>(client, "txt_Glam");
    cmd_End = findControl<QPushButton>(client, "cmd_End");
    cmd_Clear = findControl<QPushButton>(client, "cmd_Clear");
    cmd_SET = findControl<QPushButton>(client, "cmd_SET");
    grd_Hyo = findControl<QTableWidget>(client, "grd_Hyo");
    g_print = findControl<QAction>(menuBar(), "g_print");
    g_pdf = findControl<QAction>(menuBar(), "g_pdf");
    g_end = findControl<QAction>(menuBar(), "g_end");
    p_use = findControl<QAction>(menuBar(), "p_use");
    g_version = findControl<QAction>(menuBar(), "g_version");
}

void Frm_Morvi::setUpControls() {
    txt_Glam->setValidator(new GramValidator(txt_Glam));
    grd_Hyo->setAccessibleName(QStringLiteral("選択した品目"));
    // A long food list opens below the picker, 20 lines tall, in every style, so the wheel and
    // PageDown cross it quickly.
    cbo_HINMEI->setStyleSheet(QStringLiteral("combobox-popup: 0"));
    cbo_HINMEI->setMaxVisibleItems(20);
    // Each caption names its field for a screen reader.
    findControl<QLabel>(centralWidget(), "Label1")->setBuddy(cbo_HINMEI);
    findControl<QLabel>(centralWidget(), "Label2")->setBuddy(txt_Glam);
    // The grid is a window and the labels are not: where the totals row overlaps it, the grid
    // is on top and takes the click.
    grd_Hyo->raise();
}

void Frm_Morvi::connectEvents() {
    // Installed first, so each key meets the picker's key handler before the search.
    new PickerSearch(cbo_HINMEI, form_->food);
    cbo_HINMEI->installEventFilter(this);
    txt_Glam->installEventFilter(this);
    grd_Hyo->installEventFilter(this);
    connect(new QShortcut(Qt::Key_F6, this), &QShortcut::activated, this,
            [this] { dispatch([this] { goToLines(*form_); }); });
    connect(cmd_SET, &QPushButton::clicked, this,
            [this] { dispatch([this] { cmd_SET_Click(*form_); }); });
    connect(cmd_Clear, &QPushButton::clicked, this,
            [this] { dispatch([this] { cmd_Clear_Click(*form_); }); });
    connect(cmd_End, &QPushButton::clicked, this,
            [this] { dispatch([this] { cmd_End_Click(*form_); }); });
    // The press has made the clicked line current; a click on the header runs nothing.
    connect(grd_Hyo, &QTableWidget::cellClicked, this,
            [this] { dispatch([this] { grd_Hyo_Click(*form_); }); });
    connect(g_print, &QAction::triggered, this,
            [this] { dispatch([this] { g_print_Click(*form_, printer_); }); });
    connect(g_pdf, &QAction::triggered, this,
            [this] { dispatch([this] { g_pdf_Click(*form_, printer_); }); });
    connect(g_end, &QAction::triggered, this,
            [this] { dispatch([this] { g_end_Click(*form_); }); });
    connect(p_use, &QAction::triggered, this,
            [this] { dispatch([this] { p_use_Click(desktop_); }); });
    connect(g_version, &QAction::triggered, this, [this] { dispatch([] { g_version_Click(); }); });
}

void Frm_Morvi::load(std::function<bool()> prevInstance, const QString& appPath) {
    const StartUp startUp{std::move(prevInstance), appPath, [this] {
                              centreOnScreen(this);
                              show();
                          }};
    dispatch([&] { Form_Load(*form_, startUp); });
}

// The handlers with a branch of their own report their errors themselves; an error leaving one
// without a branch is reported here, and the program goes on.
void Frm_Morvi::dispatch(const std::function<void()>& handler) {
    if (ended_) return;
    try {
        withErrorBranch(desktop_, OnError::Report, handler);
    } catch (const ProgramEnd& end) {
        endProgram(end.exitStatus);
    }
}

void Frm_Morvi::endProgram(int status) {
    ended_ = true;
    exitStatus_ = status;
    QApplication::closeAllWindows();
    QCoreApplication::exit(status);
}

bool Frm_Morvi::eventFilter(QObject* watched, QEvent* event) {
    if (ended_) return false;
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (watched == cbo_HINMEI) return filterKey(cbo_HINMEI_KeyPress, key);
        if (watched == txt_Glam) return filterKey(txt_Glam_KeyPress, key);
        if (watched == grd_Hyo) return filterGridKey(key);
    }
    // F6 on the grid is one of its keys, not the window's shortcut.
    if (watched == grd_Hyo && event->type() == QEvent::ShortcutOverride &&
        gridKeyCode(static_cast<const QKeyEvent&>(*event)) == keycode::kF6)
        return event->accept(), true;
    if (watched == txt_Glam && event->type() == QEvent::InputMethod)
        return filterGramCommit(static_cast<const QInputMethodEvent&>(*event));
    if (watched == txt_Glam && event->type() == QEvent::FocusIn && focusMoved(*event)) {
        // After the field's own focus handling (and a click's caret placement), like a posted
        // GotFocus, so the selection stays.
        QMetaObject::invokeMethod(
            this, [this] { dispatch([this] { txt_Glam_GotFocus(*form_); }); },
            Qt::QueuedConnection);
    }
    return false;
}

// A key the tally grid answers goes no further.
bool Frm_Morvi::filterGridKey(const QKeyEvent& event) {
    int16_t keyCode = gridKeyCode(event);
    if (keyCode == 0) return false;
    dispatch([&] { grd_Hyo_KeyDown(*form_, keyCode); });
    return keyCode == 0 || ended_;
}

// The handlers only ever cancel a key (code 0); a key they let through reaches the control.
bool Frm_Morvi::filterKey(KeyHandler handler, const QKeyEvent& event) {
    bool cancelled = false;
    for (int16_t code : keyAsciiCodes(event)) {
        int16_t keyAscii = code;
        dispatch([&] { handler(*form_, keyAscii); });
        cancelled = cancelled || keyAscii == 0;
    }
    return cancelled || ended_;
}

// An input method's commit goes through the key rule one character at a time.
bool Frm_Morvi::filterGramCommit(const QInputMethodEvent& event) {
    if (resendingCommit_ || event.commitString().isEmpty()) return false;
    for (QChar unit : event.commitString()) {
        int16_t keyAscii = int16_t(unit.unicode());
        dispatch([&] { txt_Glam_KeyPress(*form_, keyAscii); });
        if (ended_) return true;
        if (keyAscii == 0) continue;
        QInputMethodEvent one;
        one.setCommitString(QString(QChar(char16_t(keyAscii))));
        sendToGramField(one);
    }
    QInputMethodEvent rest(event.preeditString(), event.attributes());
    sendToGramField(rest);
    return true;
}

void Frm_Morvi::sendToGramField(QInputMethodEvent& event) {
    resendingCommit_ = true;
    QCoreApplication::sendEvent(txt_Glam, &event);
    resendingCommit_ = false;
}

}  // namespace morvi
