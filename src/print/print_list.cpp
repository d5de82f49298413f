#include "print/print_list.h"

#include "base/trim.h"
#include "print/print_layout.h"
#include "ui/tally_grid.h"

namespace morvi {
namespace {

using tally_grid::kGramCol;
using tally_grid::kKcalCol;
using tally_grid::kNameCol;

// The hourglass for the life of one print; the default pointer again however the print ends.
class HourglassWhilePrinting {
  public:
    explicit HourglassWhilePrinting(Desktop& desktop) : desktop_(desktop) {
        desktop_.SetMousePointer(pointer::kHourglass);
    }
    ~HourglassWhilePrinting() { desktop_.SetMousePointer(pointer::kDefault); }
    HourglassWhilePrinting(const HourglassWhilePrinting&) = delete;
    HourglassWhilePrinting& operator=(const HourglassWhilePrinting&) = delete;

  private:
    Desktop& desktop_;
};

bool tallyIsEmpty(Grid& grid) { return grid.Rows() == 2 && trimSpaces(grid.Text()).isEmpty(); }

QString cellText(Grid& grid, int col) {
    grid.SetCol(col);
    return grid.Text();
}

// Reads the item rows through the current cell, which is left on the last row's kcal cell.
std::vector<PrintItem> readItems(Grid& grid) {
    const int lastRow = grid.Rows() - 1;
    std::vector<PrintItem> items;
    for (int row = 1; row <= lastRow; ++row) {
        grid.SetRow(row);
        PrintItem item;
        item.name = cellText(grid, kNameCol);
        item.grams = cellText(grid, kGramCol);
        item.kcal = cellText(grid, kKcalCol);
        items.push_back(item);
    }
    return items;
}

PrintTotals readTotals(const Controls& ui) {
    return {ui.lbl_Goukei3.Caption(), ui.lbl_Goukei2.Caption(), ui.lbl_Goukei.Caption()};
}

}  // namespace

void g_print_Click(Form& form, Printer& printer) {
    Grid& grid = form.ui.grd_Hyo;
    grid.SetCol(kNameCol);
    grid.SetRow(1);
    if (tallyIsEmpty(grid)) {
        form.desktop.MsgBox(QStringLiteral("印刷データがありません"), style::kCritical,
                            title::kApp);
        return;
    }
    const HourglassWhilePrinting hourglass(form.desktop);
    printer.printLines(printedLines(readItems(grid), readTotals(form.ui)));
}

}  // namespace morvi
