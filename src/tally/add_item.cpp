#include "tally/add_item.h"

#include "base/currency.h"
#include "base/number_text.h"
#include "base/rounding.h"
#include "base/run_time_error.h"
#include "base/trim.h"
#include "ui/error_frame.h"
#include "ui/tally_grid.h"

#include <cstdint>

namespace morvi {

namespace {

using tally_grid::kGramCol;
using tally_grid::kKcalCol;
using tally_grid::kNameCol;
constexpr double kUnitKcal = 80.0;

// Everything an add will write, worked out and checked before the grid is touched.
struct AddPlan {
    int row = 0;  // the line written: the food's own line, or m_NextRow for a new one
    bool append = false;
    QString name;
    QString gramText;
    QString kcalText;
    int32_t totalKcal = 0;
    Currency totalGram;
    int16_t nextRow = 0;
    int16_t rowCount = 0;
};

// The food's line, found by its name alone; 0 when the food is not listed yet.
int findFoodRow(const Grid& grid, const QString& name) {
    for (int r = 1; r < grid.Rows(); ++r)
        if (trimSpaces(grid.TextMatrix(r, kNameCol)) == name) return r;
    return 0;
}

// The chosen food's unit weight.
double chosenUnitWeight(const Picker& picker) {
    const int index = picker.ListIndex();
    if (index < 0) throw RunTimeError(err::kInvalidCall);
    const double w = picker.ItemData(index);
    checkUnitWeight(w);
    return w;
}

int32_t kcalOf(double unitWeight, double grams) { return toInt32(kUnitKcal / unitWeight * grams); }

// The kcal total as the sum of the kcal column once the planned line is in place.
int32_t plannedKcalTotal(const Grid& grid, const AddPlan& plan, int32_t lineKcal) {
    const int lastRow = plan.append ? plan.row : grid.Rows() - 1;
    int32_t total = 0;
    for (int r = 1; r <= lastRow; ++r) {
        const double kcal = r == plan.row ? lineKcal : strictNumber(grid.TextMatrix(r, kKcalCol));
        total = toInt32(kcal + total);
    }
    return total;
}

AddPlan planAdd(const Form& form) {
    const Controls& ui = form.ui;
    const TallyState& tally = form.tally;
    AddPlan plan;
    plan.name = trimSpaces(ui.cbo_HINMEI.Text());
    const double g = leadingNumber(ui.txt_Glam.Text());
    const double w = chosenUnitWeight(ui.cbo_HINMEI);
    plan.row = findFoodRow(ui.grd_Hyo, plan.name);
    plan.append = plan.row == 0;
    plan.nextRow = tally.m_NextRow;
    plan.rowCount = tally.m_RowCount;
    int32_t lineKcal = 0;
    if (plan.append) {
        plan.row = tally.m_NextRow;
        plan.nextRow = toInt16(int64_t{tally.m_NextRow} + 1);
        plan.rowCount = toInt16(int64_t{tally.m_RowCount} + 1);
        plan.gramText = generalNumberText(g);
        lineKcal = kcalOf(w, g);
    } else {
        plan.gramText =
            generalNumberText(leadingNumber(ui.grd_Hyo.TextMatrix(plan.row, kGramCol)) + g);
        // The merged line's kcal comes from its grams as shown, rounded once.
        lineKcal = kcalOf(w, leadingNumber(plan.gramText));
    }
    plan.kcalText = QString::number(lineKcal);
    plan.totalKcal = plannedKcalTotal(ui.grd_Hyo, plan, lineKcal);
    plan.totalGram = tally.m_TotalGram + Currency::fromDouble(g);
    return plan;
}

void makeCurrent(Grid& grid, int row, int col) {
    grid.SetCol(col);
    grid.SetRow(row);
}

void appendLine(Grid& grid, const AddPlan& plan, int16_t rowCount) {
    grid.SetRows(rowCount + 1);
    makeCurrent(grid, plan.row, kGramCol);
    grid.SetCellBackColor(tally_grid::kGramCellBack);
    makeCurrent(grid, plan.row, kNameCol);
    grid.SetTextMatrix(plan.row, kNameCol, plan.name);
    makeCurrent(grid, plan.row, kGramCol);
    grid.SetCellAlignment(tally_grid::kNumberAlignment);
    grid.SetTextMatrix(plan.row, kGramCol, plan.gramText);
    makeCurrent(grid, plan.row, kKcalCol);
    grid.SetCellAlignment(tally_grid::kNumberAlignment);
    grid.SetTextMatrix(plan.row, kKcalCol, plan.kcalText);
}

void applyAdd(Form& form, const AddPlan& plan) {
    Controls& ui = form.ui;
    TallyState& tally = form.tally;
    if (plan.append) {
        appendLine(ui.grd_Hyo, plan, tally.m_RowCount);
    } else {
        ui.grd_Hyo.SetTextMatrix(plan.row, kGramCol, plan.gramText);
        ui.grd_Hyo.SetTextMatrix(plan.row, kKcalCol, plan.kcalText);
    }
    tally.m_NextRow = plan.nextRow;
    tally.m_RowCount = plan.rowCount;
    tally.m_TotalKcal = plan.totalKcal;
    tally.m_TotalGram = plan.totalGram;
    ui.lbl_Goukei.SetCaption(QString::number(plan.totalKcal));
    ui.lbl_Goukei2.SetCaption(plan.totalGram.text());
    if (plan.append) ui.lbl_Goukei3.SetCaption(QString::number(plan.nextRow - 1));
}

// The input warning for an empty field, which then takes the focus.
void askFor(Desktop& desktop, const QString& prompt, Focusable& field) {
    desktop.Beep();
    desktop.MsgBox(prompt, style::kCritical, title::kInputCheck);
    field.SetFocus();
}

}  // namespace

void checkUnitWeight(double unitWeight) {
    if (unitWeight == 0) throw RunTimeError(err::kDivisionByZero);
}

void cmd_SET_Click(Form& form) {
    Controls& ui = form.ui;
    Desktop& desktop = form.desktop;
    withErrorBranch(desktop, OnError::Report, [&] {
        if (trimSpaces(ui.cbo_HINMEI.Text()).isEmpty())
            return askFor(desktop, QStringLiteral("品名を入力してください。"), ui.cbo_HINMEI);
        if (trimSpaces(ui.txt_Glam.Text()).isEmpty())
            return askFor(desktop, QStringLiteral("グラムを入力してください。"), ui.txt_Glam);
        DataSet(form);
        ui.cbo_HINMEI.SetFocus();
        desktop.SetMousePointer(pointer::kDefault);
    });
}

void DataSet(Form& form) {
    Desktop& desktop = form.desktop;
    Grid& grid = form.ui.grd_Hyo;
    withErrorBranch(desktop, OnError::DefaultPointerReportThenEnd, [&] {
        desktop.SetMousePointer(pointer::kHourglass);
        grid.SetRedraw(true);
        grid.SetCols(tally_grid::kCols);
        desktop.DoEvents();
    });
    AddPlan plan;
    // A value that cannot be added is reported and the tally stays as it was.
    if (!withErrorBranch(desktop, OnError::DefaultPointerReport, [&] { plan = planAdd(form); }))
        return;
    withErrorBranch(desktop, OnError::DefaultPointerReportThenEnd, [&] { applyAdd(form, plan); });
}

}  // namespace morvi
