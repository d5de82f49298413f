#include "qt/question_box.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyleHints>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstring>

namespace morvi {

bool LastClick::eventFilter(QObject*, QEvent* event) {
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

bool pointerHasMoved(const std::vector<Sighting>& seen, int stillDistance) {
    std::optional<QPoint> rest;
    for (const Sighting& s : seen) {
        if (s.kind == Sighting::Leave) continue;
        // A box the desktop moves or sizes after showing it comes to a still pointer anew.
        if (s.kind == Sighting::Enter || !rest) rest = s.at;
        if ((s.at - *rest).manhattanLength() > stillDistance) return true;
    }
    return false;
}

// On X11 Qt hands the keyboard straight back to the box when the server gives it to a window
// the box blocks, and tells nothing of it; the server's FocusIn event (type 9) itself names,
// from its fifth byte, the window that got it.
class DesktopMessageBox::XFocusWatch : public QAbstractNativeEventFilter {
  public:
    explicit XFocusWatch(DesktopMessageBox& box) : box_(box) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~XFocusWatch() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        const auto* event = static_cast<const unsigned char*>(message);
        if (type != "xcb_generic_event_t" || (event[0] & 0x7F) != 9) return false;
        quint32 window = 0;
        std::memcpy(&window, event + 4, sizeof window);
        for (QWindow* ours : QGuiApplication::topLevelWindows())
            if (ours->handle() && ours->winId() == window) box_.comeBackIfBehind(ours);
        return false;
    }

  private:
    DesktopMessageBox& box_;
};

DesktopMessageBox::DesktopMessageBox(Icon icon, const QString& title, const QString& text,
                                     std::optional<LastClick::Click> openedBy)
    : QMessageBox(icon, title, text, NoButton, QApplication::activeWindow()),
      openedBy_(std::move(openedBy)),
      xFocusWatch_(std::make_unique<XFocusWatch>(*this)) {
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &DesktopMessageBox::comeBackIfBehind);
}

void DesktopMessageBox::showEvent(QShowEvent* event) {
    // The window sees every move and press before its widgets do, so a press it ignores gives
    // はい neither the click nor the focus that would put Enter on it.
    windowHandle()->installEventFilter(this);
    QMessageBox::showEvent(event);
    if (openedBy_ && button(QMessageBox::Yes)) placeUnder(openedBy_->at);
}

bool DesktopMessageBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched != windowHandle()) return QMessageBox::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::Enter:
            seen_.push_back(
                {Sighting::Enter, static_cast<QEnterEvent*>(event)->position().toPoint()});
            break;
        case QEvent::Leave:
            seen_.push_back({Sighting::Leave, {}});
            break;
        case QEvent::MouseMove:
            seen_.push_back(
                {Sighting::Move, static_cast<QMouseEvent*>(event)->position().toPoint()});
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto& press = static_cast<const QMouseEvent&>(*event);
            seen_.push_back({Sighting::Press, press.position().toPoint()});
            return ignoresPress(press);
        }
        default:
            break;
    }
    return false;
}

void DesktopMessageBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(windowTitle() + QLatin1Char('\n') + text());
        return;
    }
    if (event->matches(QKeySequence::Cancel) && !escapeButton()) return;
    QMessageBox::keyPressEvent(event);
}

void DesktopMessageBox::closeEvent(QCloseEvent* event) {
    if (escapeButton()) return QMessageBox::closeEvent(event);
    event->ignore();
}

// Qt sizes the box as it shows it, so its buttons lie where they will stay only now.
void DesktopMessageBox::placeUnder(QPoint pointer) {
    layout()->activate();
    const QScreen* screen = QGuiApplication::screenAt(pointer);
    const QRect area = (screen ? screen : this->screen())->availableGeometry();
    const QPoint topLeft = questionPosition(area, size(), rectOf(defaultButton()),
                                            rectOf(button(QMessageBox::Yes)), pointer);
    setGeometry(QRect(topLeft, size()));
}

// A press with the pointer still where the box found it: on はい it is no answer; anywhere it
// is the rest of a double-click that opened the box.
bool DesktopMessageBox::ignoresPress(const QMouseEvent& press) const {
    const QStyleHints* hints = QGuiApplication::styleHints();
    if (pointerHasMoved(seen_, hints->mouseDoubleClickDistance())) return false;
    const bool endsOpeningDoubleClick = openedBy_ && press.timestamp() - openedBy_->pressed <
                                                         quint64(hints->mouseDoubleClickInterval());
    return endsOpeningDoubleClick || onYes(press.position().toPoint());
}

bool DesktopMessageBox::onYes(QPoint at) const {
    const QAbstractButton* yes = button(QMessageBox::Yes);
    return yes && rectOf(yes).contains(at);
}

// Where a button lies in the box's own coordinates.
QRect DesktopMessageBox::rectOf(const QWidget* button) const {
    return QRect(button->mapTo(this, QPoint()), button->size());
}

// A click on the blocked window can raise it over the box and give it the keyboard, where
// nothing answers; the box takes both back.
void DesktopMessageBox::comeBackIfBehind(QWindow* focused) {
    if (comingBack_ || !isVisible() || !focused || focused == windowHandle() ||
        QGuiApplication::modalWindow() != windowHandle())
        return;
    // A compositor decides which window is in front and which has the keyboard, and grants
    // neither on request; a window shown anew it puts in front with the keyboard. What the
    // desktop says of the hiding comes after it, and is no reason to come back again.
    comingBack_ = true;
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) {
            hide();
            show();
        }
        QTimer::singleShot(500, this, [this] { comingBack_ = false; });
    });
}

DesktopMessageBox::~DesktopMessageBox() = default;

int DesktopMessageBox::waitForAnswer() {
    // Not exec(): hiding the box to show it again must not end its wait.
    setWindowModality(Qt::ApplicationModal);
    QEventLoop wait;
    connect(this, &QDialog::finished, &wait, &QEventLoop::quit);
    show();
    wait.exec(QEventLoop::DialogExec);
    return standardButton(clickedButton());
}

}  // namespace morvi
