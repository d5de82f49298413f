// Start-up to the first painted frame of the main window, inside one process and as the real
// program started afresh, whose peak resident memory is read once it idles.
#include "bench_window.h"
#include "food/menu_file.h"
#include "menu_files.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <memory>
#include <optional>
#include <stdexcept>

namespace morvi::bench {

namespace {

// From constructing the window to its first painted frame: the load handler, Menu_Load, showing
// the window and Form_Init filling the picker.
void windowStartUp(benchmark::State& state, QString (*menuDirOf)()) {
    const QString menuDir = menuDirOf();
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        auto bench = std::make_unique<BenchWindow>(menuDir);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
        state.SetIterationTime(took.count());
        bench.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The program's directory as the program sees it: a copy of the executable beside a menu.txt.
std::unique_ptr<QTemporaryDir> programDir(const QString& menuDir) {
    auto dir = std::make_unique<QTemporaryDir>();
    const QString program = dir->filePath(QStringLiteral("morvi"));
    if (!QFile::copy(QStringLiteral(MORVI_PROGRAM), program) ||
        !QFile::copy(menuDir + QStringLiteral("/menu.txt"),
                     dir->filePath(QStringLiteral("menu.txt"))))
        throw std::runtime_error("cannot lay out the program's directory");
    return dir;
}

// VmHWM of a running process, in kB.
std::optional<long> peakResidentKb(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').front().toLong();
    return std::nullopt;
}

constexpr int kStartTimeoutMs = 20000;
constexpr unsigned long kIdleSettleMs = 500;
// The toolkit's painting log names the flush of the window's first frame.
constexpr char kFirstFlush[] = "Flushing top level";

// Starts the program offscreen; returns once its first frame is flushed, after `took` is set.
bool startProgram(QProcess& process, const QString& dir, double& took) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.widgets.painting=true"));
    // Its own lock directory, so no other running copy stops it.
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir);
    process.setProcessEnvironment(env);
    process.setProgram(dir + QStringLiteral("/morvi"));
    QElapsedTimer clock;
    clock.start();
    process.start();
    QByteArray log;
    while (!log.contains(kFirstFlush)) {
        if (clock.elapsed() > kStartTimeoutMs || process.state() == QProcess::NotRunning)
            return false;
        process.waitForReadyRead(50);
        log += process.readAllStandardError();
    }
    took = clock.nsecsElapsed() / 1e9;
    return true;
}

// The real program on a list: first frame after exec, then its peak memory once it idles.
void programIdle(benchmark::State& state, QString (*menuDirOf)()) {
    const auto dir = programDir(menuDirOf());
    long peakKb = 0;
    for (auto _ : state) {
        QProcess process;
        double took = 0;
        if (!startProgram(process, dir->path(), took)) {
            state.SkipWithError("the program showed no window");
            break;
        }
        state.SetIterationTime(took);
        QThread::msleep(kIdleSettleMs);
        process.readAllStandardError();
        peakKb = peakResidentKb(process.processId()).value_or(0);
        process.kill();
        process.waitForFinished();
    }
    state.counters["VmHWM_MB"] = peakKb / 1024.0;
}

QString largestMenuDir() { return generatedMenuDir(kMaxFoods, KeyOrder::Random); }

const bool registered = [] {
    benchmark::RegisterBenchmark("WindowStartUp/sample", windowStartUp, sampleMenuDir)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("WindowStartUp/32766", windowStartUp, largestMenuDir)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ProgramIdle/sample", programIdle, sampleMenuDir)
        ->UseManualTime()
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ProgramIdle/32766", programIdle, largestMenuDir)
        ->UseManualTime()
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace

}  // namespace morvi::bench
