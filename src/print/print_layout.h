#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace morvi {

// One tally line as the grid shows it.
struct PrintItem {
    QString name;
    QString grams;
    QString kcal;
};

// The three total labels' captions.
struct PrintTotals {
    QString count;
    QString grams;
    QString kcal;
};

// Width of the printed name column, in code page 932 bytes.
inline constexpr int kPrintNameField = 28;

// The printed list: header, ruler, one line per item, ruler, total line, in fixed columns counted
// in code page 932 bytes. A text wider than its field is printed whole, without filler.
QStringList printedLines(const std::vector<PrintItem>& items, const PrintTotals& totals);

}  // namespace morvi
