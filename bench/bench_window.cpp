#include "bench_window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <map>
#include <stdexcept>

namespace morvi::bench {

namespace {

constexpr qint64 kFrameTimeoutMs = 10000;

std::map<int, std::unique_ptr<BenchWindow>>& keptWindows() {
    static std::map<int, std::unique_ptr<BenchWindow>> windows;
    return windows;
}

// Notes the first paint of any widget of one window.
class FrameWatcher : public QObject {
  public:
    explicit FrameWatcher(QWidget& window) : window_(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~FrameWatcher() override { QCoreApplication::instance()->removeEventFilter(this); }
    bool painted() const { return painted_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &window_)
            painted_ = true;
        return false;
    }

  private:
    QWidget& window_;
    bool painted_ = false;
};

}  // namespace

int AnsweringDesktop::MsgBox(const QString& prompt, int style, const QString& title) {
    if (style == style::kDeleteQuestion) return answer::kYes;
    unexpected = title + QStringLiteral(": ") + prompt;
    return answer::kOk;
}

BenchWindow::BenchWindow(const QString& menuDir) {
    startUntilFirstFrame(window, menuDir);
    if (!desktop.unexpected.isEmpty()) throw std::runtime_error(desktop.unexpected.toStdString());
}

void startUntilFirstFrame(Frm_Morvi& window, const QString& menuDir) {
    // Watching from before the load: the offscreen screen may paint inside show().
    const FrameWatcher watcher(window);
    window.load([] { return false; }, menuDir);
    if (window.ended()) throw std::runtime_error("the window ended during its load");
    QElapsedTimer waited;
    waited.start();
    while (!watcher.painted()) {
        if (waited.elapsed() > kFrameTimeoutMs) throw std::runtime_error("no frame was painted");
        QCoreApplication::processEvents();
    }
}

BenchWindow* keptWindow(int key) {
    const auto found = keptWindows().find(key);
    return found == keptWindows().end() ? nullptr : found->second.get();
}

BenchWindow& keepWindow(int key, std::unique_ptr<BenchWindow> window) {
    return *(keptWindows()[key] = std::move(window));
}

void closeKeptWindows() { keptWindows().clear(); }

}  // namespace morvi::bench
