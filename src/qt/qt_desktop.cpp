#include "qt/qt_desktop.h"

#include "print/pdf_file.h"
#include "qt/question_box.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

namespace morvi {

namespace {

QMessageBox::Icon iconOf(int style) {
    switch (style & style::kIconMask) {
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
    if ((style & style::kButtonsMask) != style::kYesNo) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        return;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    const bool secondIsDefault = (style & style::kDefaultButtonMask) == style::kDefaultButton2;
    box.setDefaultButton(secondIsDefault ? QMessageBox::No : QMessageBox::Yes);
}

// A typed name gets the PDF's suffix before the question about replacing it, which so names the
// file to be written.
class SaveDialog : public QFileDialog {
  public:
    QString chosen;
    SaveDialog(const QString& title, const QString& proposedPath, const QString& filter)
        : QFileDialog(QApplication::activeWindow(), title, proposedPath, filter) {
        setAcceptMode(AcceptSave);
        setOptions(DontUseNativeDialog | DontConfirmOverwrite);
        // Qt adds it to a name without a dot; withPdfSuffix gives it to the others.
        setDefaultSuffix(QFileInfo(proposedPath).suffix());
    }

  protected:
    void accept() override {
        const QString typed = selectedFiles().value(0);
        if (typed.isEmpty() || QFileInfo(typed).isDir()) return QFileDialog::accept();  // opens it
        const QString path = withPdfSuffix(typed);
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

QtDesktop::QtDesktop() : lastClick_(std::make_unique<LastClick>()) {
    QCoreApplication::instance()->installEventFilter(lastClick_.get());
}

QtDesktop::~QtDesktop() = default;

int QtDesktop::MsgBox(const QString& prompt, int style, const QString& title) {
    DesktopMessageBox box(iconOf(style), title, prompt, lastClick_->click());
    addButtons(box, style);
    return answerOf(QMessageBox::StandardButton(box.waitForAnswer()));
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
