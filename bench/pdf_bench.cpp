// The save-as-PDF item after its dialog: a 1,000-line printed list painted in the print font, its
// font embedded, and written whole through a save file. The grid's reading is PrintedLines'.
#include "print/pdf_file.h"
#include "print/print_layout.h"
#include "qt/default_printer.h"

#include <benchmark/benchmark.h>
#include <QTemporaryDir>
#include <chrono>

namespace morvi::bench {

namespace {

void pdfSave(benchmark::State& state, int lines) {
    std::vector<PrintItem> items;
    for (int i = 0; i < lines; ++i)
        items.push_back(
            {QStringLiteral("ごはん%1").arg(i), QStringLiteral("150"), QStringLiteral("240")});
    const QStringList sheet = printedLines(items, {QString::number(lines), {}, {}});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Morvi.pdf"));
    DefaultPrinter printer;
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        savePdfFile(path, printer.pdfDocument(sheet));
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    }
}

const bool registered = [] {
    benchmark::RegisterBenchmark("PdfSave/1000", pdfSave, 1000)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace

}  // namespace morvi::bench
