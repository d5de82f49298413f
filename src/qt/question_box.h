#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <memory>
#include <optional>
#include <vector>

class QWindow;

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
    bool eventFilter(QObject*, QEvent* event) override;

  private:
    std::optional<Click> click_;
};

// Where the question goes so that its default button lies under the pointer: wholly on the
// available area and, near an edge, where no part of the other button is under the pointer.
// Only a window system that lets a program place its windows honours it.
QPoint questionPosition(const QRect& area, const QSize& box, const QRect& stay, const QRect& other,
                        QPoint pointer);

// What a box sees of the pointer over its own window, in that window's coordinates: where it came
// in, moved or pressed; a leave has no place.
struct Sighting {
    enum Kind { Enter, Move, Press, Leave } kind;
    QPoint at;
};
// Whether the pointer has moved since the box found it: farther than `stillDistance` from where
// it first was, or last came in. Where the box finds it is wherever the window system put the
// box, so the rule holds on every desktop, placed or not.
bool pointerHasMoved(const std::vector<Sighting>& seen, int stillDistance);

// A message box that behaves as the desktop's own do on Windows. Ctrl+C copies the title and the
// text. A box without an escape button (the Yes/No question) has no Cancel: Escape and the close
// box leave it open, where Qt would take No for them. Its はい takes a press only after the
// pointer has moved, so a slow or repeated click where the user clicked never removes a line;
// where the program may place it, it also opens with its default button under the click. Any
// box ignores the rest of a double-click that opened it. While it is open, the window it blocks
// never keeps it hidden or holds the keyboard: the box comes back in front.
class DesktopMessageBox : public QMessageBox {
  public:
    DesktopMessageBox(Icon icon, const QString& title, const QString& text,
                      std::optional<LastClick::Click> openedBy);
    ~DesktopMessageBox() override;
    // Shows the box and waits, modal, for the button that answers it.
    int waitForAnswer();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void placeUnder(QPoint pointer);
    bool ignoresPress(const QMouseEvent& press) const;
    bool onYes(QPoint at) const;
    QRect rectOf(const QWidget* button) const;
    void comeBackIfBehind(QWindow* focused);

    class XFocusWatch;
    std::optional<LastClick::Click> openedBy_;
    std::vector<Sighting> seen_;
    std::unique_ptr<XFocusWatch> xFocusWatch_;
    bool comingBack_ = false;
};

}  // namespace morvi
