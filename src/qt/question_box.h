#pragma once

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMessageBox>
#include <QMouseEvent>
#include <QObject>
#include <QPushButton>
#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QStyleHints>
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

// Where the question goes so that its default button lies under the pointer: wholly on the
// available area and, near an edge, where no part of the other button is under the pointer.
QPoint questionPosition(const QRect& area, const QSize& box, const QRect& stay, const QRect& other,
                        QPoint pointer);

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

}  // namespace morvi
