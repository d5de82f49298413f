#include "print/print_list.h"

#include "print/pdf_file.h"
#include "print/print_layout.h"
#include "ui/tally_grid.h"

#include <QDate>
#include <QDir>
#include <QStandardPaths>

namespace morvi {
namespace {

using tally_grid::kGramCol;
using tally_grid::kKcalCol;
using tally_grid::kNameCol;

// The hourglass for the life of one print or save; the default pointer again however it ends.
class HourglassWhileOutput {
  public:
    explicit HourglassWhileOutput(Desktop& desktop) : desktop_(desktop) {
        desktop_.SetMousePointer(pointer::kHourglass);
    }
    ~HourglassWhileOutput() { desktop_.SetMousePointer(pointer::kDefault); }
    HourglassWhileOutput(const HourglassWhileOutput&) = delete;
    HourglassWhileOutput& operator=(const HourglassWhileOutput&) = delete;

  private:
    Desktop& desktop_;
};

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

// Says so when the tally has no line; the current cell is left on row 1, column 0.
bool warnIfNothingToPrint(Form& form) {
    Grid& grid = form.ui.grd_Hyo;
    grid.SetCol(kNameCol);
    grid.SetRow(1);
    if (tallyHoldsLines(grid)) return false;
    form.desktop.MsgBox(QStringLiteral("印刷データがありません"), style::kCritical, title::kApp);
    return true;
}

QStringList printedTally(Form& form) {
    return printedLines(readItems(form.ui.grd_Hyo), readTotals(form.ui));
}

// Today's sheet in the user's documents folder, or in the home folder where there is none.
QString proposedPdfPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(folder).exists()) folder = QDir::homePath();
    return QDir(folder).filePath(QDate::currentDate().toString(u"'Morvi_'yyyyMMdd'.pdf'"));
}

}  // namespace

void g_print_Click(Form& form, Printer& printer) {
    if (warnIfNothingToPrint(form)) return;
    const HourglassWhileOutput hourglass(form.desktop);
    printer.printLines(printedTally(form));
}

void g_pdf_Click(Form& form, Printer& printer) {
    if (warnIfNothingToPrint(form)) return;
    const QString path = form.desktop.GetSaveFileName(title::kSavePdf, proposedPdfPath(),
                                                      QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    const HourglassWhileOutput hourglass(form.desktop);
    savePdfFile(path, printer.pdfDocument(printedTally(form)));
}

}  // namespace morvi
