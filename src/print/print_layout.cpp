#include "print/print_layout.h"

#include "print/m_morvi.h"

#include <algorithm>

namespace morvi {
namespace {

constexpr int kIndent = 5;
constexpr int kNameField = kPrintNameField;
constexpr int kNumberField = 20;
constexpr int kTotalKcalField = 18;
constexpr int kRulerLength = 71;
// Where the header's number labels end, counted from the name column's start: each reaches past
// the right edge of the column it heads, "グラム(g)" by 3 and "カロリー(Kcal)" by 5.
constexpr int kGramLabelEnd = kNameField + kNumberField + 3;
constexpr int kKcalLabelEnd = kNameField + 2 * kNumberField + 5;

QString spaces(int count) { return QString(std::max(count, 0), QLatin1Char(' ')); }

QString leftAligned(const QString& text, int field) {
    return text + spaces(field - M_Morvi::Str_ByteLen(text));
}

QString rightAligned(const QString& text, int field) {
    return spaces(field - M_Morvi::Str_ByteLen(text)) + text;
}

QString headerLine() {
    return spaces(kIndent) + leftAligned(QStringLiteral("品名"), kNameField) +
           rightAligned(QStringLiteral("グラム(g)"), kGramLabelEnd - kNameField) +
           rightAligned(QStringLiteral("カロリー(Kcal)"), kKcalLabelEnd - kGramLabelEnd);
}

QString rulerLine() { return spaces(kIndent) + QString(kRulerLength, QLatin1Char('=')); }

QString itemLine(const PrintItem& item) {
    return spaces(kIndent) + leftAligned(item.name, kNameField) +
           rightAligned(item.grams, kNumberField) + rightAligned(item.kcal, kNumberField);
}

QString totalLine(const PrintTotals& totals) {
    const QString label = QStringLiteral("合計 ") + totals.count + QStringLiteral("品目");
    return spaces(kIndent) + leftAligned(label, kNameField) +
           rightAligned(totals.grams, kNumberField) + QStringLiteral(" g") +
           rightAligned(totals.kcal, kTotalKcalField) + QStringLiteral(" Kcal");
}

}  // namespace

QStringList printedLines(const std::vector<PrintItem>& items, const PrintTotals& totals) {
    QStringList lines{headerLine(), rulerLine()};
    for (const PrintItem& item : items) lines << itemLine(item);
    lines << rulerLine() << totalLine(totals);
    return lines;
}

}  // namespace morvi
