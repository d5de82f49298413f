#include "qt/qt_desktop.h"

#include "print/pdf_file.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLayout>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyleHints>
#include <QTranslator>
#include <algorithm>
#include <optional>

namespace morvi {

// Where the user last pressed or released a mouse button, and when the press was; forgotten at
// the next key, so a question asked from the keyboard knows no pointer.
class LastClick : public QObject {
  public:
    struct Click {
        QPoint at;
        quint64 pressed = 0;
    };
    const std::optional<Click>& click() const { return click_; }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseButtonRelease: {
                const auto& mouse = static_cast<const QMouseEvent&>(*event);
                Click click = click_.value_or(Click{});
                click.at = mouse.globalPosition().toPoint();
                if (event->type() != QEvent::MouseButtonRelease) click.pressed = mouse.timestamp();
                click_ = click;
                break;
            }
            case QEvent::KeyPress:
            case QEvent::ShortcutOverride:
                click_.reset();
                break;
            default:
                break;
        }
        return false;
    }

  private:
    std::optional<Click> click_;
};

namespace {

// Where the question goes so that its default button lies under the pointer: wholly on the
// available area and, near an edge, where no part of the other button is under the pointer.
QPoint questionPosition(const QRect& area, const QSize& box, const QRect& stay, const QRect& other,
                        QPoint pointer) {
    const auto inArea = [&](QPoint topLeft) {
        return QPoint(std::clamp(topLeft.x(), area.left(),
                                 std::max(area.left(), area.right() - box.width() + 1)),
                      std::clamp(topLeft.y(), area.top(),
                                 std::max(area.top(), area.bottom() - box.height() + 1)));
    };
    const QPoint under = inArea(pointer - stay.center());
    if (!other.translated(under).contains(pointer)) return under;
    // Clear of the pointer, below it or else above it.
    const QPoint below = inArea(QPoint(under.x(), pointer.y() + 1));
    if (!QRect(below, box).contains(pointer)) return below;
    return inArea(QPoint(under.x(), pointer.y() - box.height()));
}

// Ctrl+C copies the title and the text, as the desktop's own message boxes do on Windows.
// A box without an escape button (the Yes/No question) has no Cancel: Escape and the close box
// leave it open, where Qt would take No for them. A question asked after a click opens with its
// default button under the pointer, so a repeated or slow click where the user clicked answers
// No. Every box's buttons ignore the rest of a double-click that opened it; keys, and a click
// elsewhere, answer at once.
class DesktopMessageBox : public QMessageBox {
  public:
    DesktopMessageBox(Icon icon, const QString& title, const QString& text,
                      std::optional<LastClick::Click> openedBy)
        : QMessageBox(icon, title, text, NoButton, QApplication::activeWindow()),
          openedBy_(std::move(openedBy)) {}

  protected:
    void showEvent(QShowEvent* event) override {
        // A click answers at once, so it need not take the focus; one the guard ignores must not
        // leave Enter on はい.
        for (QAbstractButton* button : buttons()) {
            button->setFocusPolicy(Qt::TabFocus);
            button->installEventFilter(this);
        }
        QMessageBox::showEvent(event);
        if (openedBy_ && button(QMessageBox::Yes)) placeUnder(openedBy_->at);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool press = event->type() == QEvent::MouseButtonPress ||
                           event->type() == QEvent::MouseButtonDblClick;
        if (press && endsTheOpeningDoubleClick(static_cast<const QMouseEvent&>(*event)))
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
    // Qt sizes the box as it shows it, so its buttons lie where they will stay only now.
    void placeUnder(QPoint pointer) {
        layout()->activate();
        const auto rectOf = [this](QWidget* button) {
            return QRect(button->mapTo(this, QPoint()), button->size());
        };
        const QScreen* screen = QGuiApplication::screenAt(pointer);
        const QRect area = (screen ? screen : this->screen())->availableGeometry();
        const QPoint topLeft = questionPosition(area, size(), rectOf(defaultButton()),
                                                rectOf(button(QMessageBox::Yes)), pointer);
        setGeometry(QRect(topLeft, size()));
    }
    // A press the desktop would pair with the one that opened the box.
    bool endsTheOpeningDoubleClick(const QMouseEvent& press) const {
        const QStyleHints* hints = QGuiApplication::styleHints();
        return openedBy_ &&
               press.timestamp() - openedBy_->pressed <
                   quint64(hints->mouseDoubleClickInterval()) &&
               (press.globalPosition().toPoint() - openedBy_->at).manhattanLength() <=
                   hints->mouseDoubleClickDistance();
    }

    std::optional<LastClick::Click> openedBy_;
};

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
