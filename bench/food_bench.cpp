// Loading menu.txt: the program's Menu_Load beside the same reading sorted by the plain exchange
// loop, on generated lists of each size and key order.
#include "bench_window.h"
#include "exchange_loop_reference.h"
#include "food/menu_file.h"
#include "food/menu_load.h"
#include "menu_files.h"

#include <benchmark/benchmark.h>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <optional>

namespace morvi::bench {

namespace {

constexpr int kSizes[] = {100, 2500, kMaxFoods};
constexpr KeyOrder kOrders[] = {KeyOrder::Random, KeyOrder::Sorted, KeyOrder::Reversed,
                                KeyOrder::ManyEqual};

// The key order as it appears in the benchmarks' names.
const char* keyOrderName(KeyOrder order) {
    switch (order) {
        case KeyOrder::Random:
            return "random";
        case KeyOrder::Sorted:
            return "sorted";
        case KeyOrder::Reversed:
            return "reversed";
        case KeyOrder::ManyEqual:
            return "many_equal";
    }
    return "?";
}

QString menuPath(const QString& dir) {
    return dir + QDir::separator() + QStringLiteral("menu.txt");
}

// Menu_Load's reading, with the exchange loop run as it stands for its sort.
FoodTable referenceLoad(const QString& path) {
    FoodTable table;
    table.m_MenuCount = countMenuLines(path);
    const size_t entries = static_cast<size_t>(table.m_MenuCount) + 1;
    table.m_Hinmei.assign(entries, QString());
    table.m_Yomi.assign(entries, QString());
    table.m_UnitGram.assign(entries, 0);
    parseMenuLines(path, table);
    support::referenceExchangeLoop(table);
    return table;
}

bool sameTable(const FoodTable& a, const FoodTable& b) {
    return a.m_MenuCount == b.m_MenuCount && a.m_Hinmei == b.m_Hinmei && a.m_Yomi == b.m_Yomi &&
           a.m_UnitGram == b.m_UnitGram;
}

// A form for the loader, which touches only the food table and the desktop.
struct LoaderForm {
    QComboBox picker;
    QLineEdit gramField;
    QPushButton setButton;
    QTableWidget table;
    QLabel kcal, grams, lines;
    QtPicker qtPicker{&picker};
    QtTextBox qtGramField{&gramField};
    QtFocusable qtSetButton{&setButton};
    QtGrid grid{&table};
    QtLabel qtKcal{&kcal}, qtGrams{&grams}, qtLines{&lines};
    AnsweringDesktop desktop;
    Form form{Controls{qtPicker, qtGramField, qtSetButton, grid, qtKcal, qtGrams, qtLines},
              desktop,
              {},
              {}};
};

void menuLoad(benchmark::State& state, int lines, KeyOrder order) {
    const QString dir = generatedMenuDir(lines, order);
    LoaderForm loader;
    Form& form = loader.form;
    for (auto _ : state) {
        if (!Menu_Load(form, dir)) state.SkipWithError("Menu_Load failed");
        benchmark::DoNotOptimize(form.food.m_Yomi.data());
        // The program loads into an empty table; freeing the last one is no part of a load.
        state.PauseTiming();
        form.food = FoodTable{};
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * lines);
}

// The program's table must be the loop's, entry for entry.
bool matchesMenuLoad(const FoodTable& reference, const QString& dir) {
    LoaderForm loader;
    return Menu_Load(loader.form, dir) && sameTable(loader.form.food, reference);
}

void referenceMenuLoad(benchmark::State& state, int lines, KeyOrder order) {
    const QString dir = generatedMenuDir(lines, order);
    const QString path = menuPath(dir);
    std::optional<bool> matches;
    for (auto _ : state) {
        FoodTable table = referenceLoad(path);
        benchmark::DoNotOptimize(table.m_Yomi.data());
        state.PauseTiming();
        if (!matches) matches = matchesMenuLoad(table, dir);
        table = FoodTable{};
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * lines);
    if (!matches.value_or(false)) state.SkipWithError("Menu_Load's table differs from the loop's");
}

const bool registered = [] {
    for (const KeyOrder order : kOrders)
        for (const int lines : kSizes) {
            const std::string suffix =
                std::string(keyOrderName(order)) + "/" + std::to_string(lines);
            benchmark::RegisterBenchmark(("MenuLoad/" + suffix).c_str(), menuLoad, lines, order)
                ->Unit(benchmark::kMillisecond);
            auto* reference = benchmark::RegisterBenchmark(("ReferenceLoad/" + suffix).c_str(),
                                                           referenceMenuLoad, lines, order)
                                  ->Unit(benchmark::kMillisecond);
            // The loop is quadratic: one pass per repetition at the largest size.
            if (lines == kMaxFoods) reference->Iterations(1);
        }
    return true;
}();

}  // namespace

}  // namespace morvi::bench
