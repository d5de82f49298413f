// The tally on the real window, as the user feels it: each timed step is the click (or the print
// menu item) and the repaint that follows it, through the window's own wiring and handlers.
#include "bench_window.h"
#include "menu_files.h"

#include <benchmark/benchmark.h>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <chrono>

namespace morvi::bench {

namespace {

constexpr int kTallySizes[] = {1, 100, 1000};
// Enough foods for the largest tally and one more new line.
constexpr int kFoods = 1001;
const QString kGrams = QStringLiteral("150");

// As the window counts them; an empty tally shows no count.
int tallyLines(BenchWindow& bench) {
    return control<QLabel>(bench.window, "lbl_Goukei3")->text().toInt();
}

void chooseFood(Frm_Morvi& window, int index) {
    control<QComboBox>(window, "cbo_HINMEI")->setCurrentIndex(index);
    control<QLineEdit>(window, "txt_Glam")->setText(kGrams);
}

void pressSet(Frm_Morvi& window) {
    control<QPushButton>(window, "cmd_SET")->click();
    QCoreApplication::processEvents();
}

// A click on tally line `line` (1 = first), answered Yes.
void clickLine(Frm_Morvi& window, int line) {
    emit control<QTableWidget>(window, "grd_Hyo")->cellClicked(line - 1, 0);
    QCoreApplication::processEvents();
}

template <typename Step>
double timed(Step&& step) {
    const auto started = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
}

// The window with foods 0..lines-1 on the tally, made once per run.
BenchWindow& tallyOf(int lines) {
    if (BenchWindow* kept = keptWindow(lines)) return *kept;
    auto bench = std::make_unique<BenchWindow>(generatedMenuDir(kFoods, KeyOrder::Random));
    for (int food = 0; food < lines; ++food) {
        chooseFood(bench->window, food);
        pressSet(bench->window);
    }
    return keepWindow(lines, std::move(bench));
}

// Whether the window still shows `lines` lines and no message went wrong.
void check(benchmark::State& state, BenchWindow& bench, int lines) {
    if (!bench.desktop.unexpected.isEmpty())
        state.SkipWithError(bench.desktop.unexpected.toStdString().c_str());
    else if (tallyLines(bench) != lines)
        state.SkipWithError("the tally lost its size");
}

// A food not on the tally yet: one line appended, then removed again outside the timing.
void addNewLine(benchmark::State& state, int lines) {
    BenchWindow& bench = tallyOf(lines);
    Frm_Morvi& window = bench.window;
    for (auto _ : state) {
        chooseFood(window, lines);
        state.SetIterationTime(timed([&] { pressSet(window); }));
        clickLine(window, lines + 1);
    }
    check(state, bench, lines);
}

// The food of the last line again: its grams are added into that line.
void mergeIntoLine(benchmark::State& state, int lines) {
    BenchWindow& bench = tallyOf(lines);
    Frm_Morvi& window = bench.window;
    chooseFood(window, lines - 1);
    for (auto _ : state) state.SetIterationTime(timed([&] { pressSet(window); }));
    check(state, bench, lines);
}

// The middle line removed (the only one empties the tally), then added back outside the timing.
void removeLine(benchmark::State& state, int lines) {
    BenchWindow& bench = tallyOf(lines);
    Frm_Morvi& window = bench.window;
    const int line = (lines + 1) / 2;
    for (auto _ : state) {
        const QString name = control<QTableWidget>(window, "grd_Hyo")->item(line - 1, 0)->text();
        state.SetIterationTime(timed([&] { clickLine(window, line); }));
        chooseFood(window, control<QComboBox>(window, "cbo_HINMEI")->findText(name));
        pressSet(window);
    }
    check(state, bench, lines);
}

// The print menu item: the grid read and laid out as printed lines, kept instead of printed.
void printedList(benchmark::State& state, int lines) {
    BenchWindow& bench = tallyOf(lines);
    for (auto _ : state)
        state.SetIterationTime(timed([&] {
            control<QAction>(bench.window, "g_print")->trigger();
            QCoreApplication::processEvents();
        }));
    check(state, bench, lines);
    if (bench.printer.printed.size() != lines + 4) state.SkipWithError("wrong printed lines");
}

const bool registered = [] {
    const auto each = [](const char* name, void (*run)(benchmark::State&, int)) {
        for (const int lines : kTallySizes)
            benchmark::RegisterBenchmark((std::string(name) + "/" + std::to_string(lines)).c_str(),
                                         run, lines)
                ->UseManualTime()
                ->Unit(benchmark::kMicrosecond);
    };
    each("TallyAddNewLine", addNewLine);
    each("TallyMerge", mergeIntoLine);
    each("TallyRemove", removeLine);
    benchmark::RegisterBenchmark("PrintedLines/1000", printedList, 1000)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
    return true;
}();

}  // namespace

}  // namespace morvi::bench
