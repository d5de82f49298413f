#include "qt/qt_desktop.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleHints>
#include <QTranslator>

namespace morvi {

namespace {

constexpr int kButtonsMask = 0x0F;
constexpr int kIconMask = 0x70;
constexpr int kDefaultButtonMask = 0x300;

// Ctrl+C copies the title and the text, as the desktop's own message boxes do on Windows.
// A box without an escape button (the Yes/No question) has no Cancel: Escape and the close box
// leave it open, where Qt would take No for them. Every box's buttons ignore mouse presses for
// one double-click interval after it appears, so the second click of the double-click that
// opened it cannot answer it; keys answer at once.
class DesktopMessageBox : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void showEvent(QShowEvent* event) override {
        shown_.start();
        // A click answers at once, so it need not take the focus; one the guard ignores must not
        // leave Enter on はい.
        for (QAbstractButton* button : buttons()) {
            button->setFocusPolicy(Qt::TabFocus);
            button->installEventFilter(this);
        }
        QMessageBox::showEvent(event);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool press = event->type() == QEvent::MouseButtonPress ||
                           event->type() == QEvent::MouseButtonDblClick;
        if (press && !shown_.hasExpired(QGuiApplication::styleHints()->mouseDoubleClickInterval()))
            return true;
        return QMessageBox::eventFilter(watched, event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Copy)) {
            QGuiApplication::clipboard()->setText(windowTitle() + QLatin1Char('\n') + text());
            return;
        }
        if (event->matches(QKeySequence::Cancel) && !escapeButton()) return;
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (escapeButton()) return QMessageBox::closeEvent(event);
        event->ignore();
    }

  private:
    QElapsedTimer shown_;
};

QMessageBox::Icon iconOf(int style) {
    switch (style & kIconMask) {
        case style::kCritical:
            return QMessageBox::Critical;
        case style::kQuestion:
            return QMessageBox::Question;
        case style::kExclamation:
            return QMessageBox::Warning;
        case style::kInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

int answerOf(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Yes:
            return answer::kYes;
        case QMessageBox::No:
            return answer::kNo;
        default:
            return answer::kOk;
    }
}

void addButtons(QMessageBox& box, int style) {
    if ((style & kButtonsMask) != style::kYesNo) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        return;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    const bool secondIsDefault = (style & kDefaultButtonMask) == style::kDefaultButton2;
    box.setDefaultButton(secondIsDefault ? QMessageBox::No : QMessageBox::Yes);
}

// A name whose suffix is not the proposed one's gets it (朝食12.8 → 朝食12.8.pdf), where Qt adds it
// only to a name without a dot; then the question about replacing names the file to be written.
class SaveDialog : public QFileDialog {
  public:
    QString chosen;
    SaveDialog(const QString& title, const QString& proposedPath, const QString& filter)
        : QFileDialog(QApplication::activeWindow(), title, proposedPath, filter) {
        setAcceptMode(AcceptSave);
        setOptions(DontUseNativeDialog | DontConfirmOverwrite);
        setDefaultSuffix(QFileInfo(proposedPath).suffix());
    }

  protected:
    void accept() override {
        QString path = selectedFiles().value(0);
        if (path.isEmpty() || QFileInfo(path).isDir()) return QFileDialog::accept();  // opens it
        if (QFileInfo(path).suffix().compare(defaultSuffix(), Qt::CaseInsensitive) != 0)
            path += u'.' + defaultSuffix();
        if (QFileInfo::exists(path) &&
            QMessageBox::warning(this, windowTitle(),
                                 tr("%1 already exists.\nDo you want to replace it?")
                                     .arg(QFileInfo(path).fileName()),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) != QMessageBox::Yes)
            return;
        chosen = path;
        QDialog::accept();
    }
};

}  // namespace

int QtDesktop::MsgBox(const QString& prompt, int style, const QString& title) {
    DesktopMessageBox box(iconOf(style), title, prompt, QMessageBox::NoButton,
                          QApplication::activeWindow());
    addButtons(box, style);
    box.exec();
    return answerOf(box.standardButton(box.clickedButton()));
}

void QtDesktop::Beep() { QApplication::beep(); }

// Qt keeps a stack of override cursors; the screen has one pointer, so at most one is pushed.
void QtDesktop::SetMousePointer(int shape) {
    while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    if (shape == pointer::kHourglass) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtDesktop::DoEvents() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

// Qt's own dialog, in Japanese on every desktop, so that Morvi can name the file before anyone
// asks about replacing it: a native dialog would ask about the name as typed.
QString QtDesktop::GetSaveFileName(const QString& title, const QString& proposedPath,
                                   const QString& filter) {
    SaveDialog dialog(title, proposedPath, filter);
    return dialog.exec() == QDialog::Accepted ? dialog.chosen : QString();
}

bool installQtTranslation() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

}  // namespace morvi
