// Runs the benchmarks inside one application, offscreen unless a platform is chosen.
#include "bench_window.h"

#include <benchmark/benchmark.h>
#include <QApplication>

namespace {

QtMessageHandler toolkitHandler = nullptr;

// The offscreen screen warns of every size hint it cannot pass on; nothing else is dropped.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    toolkitHandler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    toolkitHandler = qInstallMessageHandler(quietMessages);
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    morvi::bench::closeKeptWindows();
    benchmark::Shutdown();
    return 0;
}
