#include "tally/remove_item.h"

#include "base/currency.h"
#include "base/number_text.h"
#include "base/rounding.h"
#include "base/trim.h"
#include "food/form_init.h"
#include "ui/error_frame.h"
#include "ui/tally_grid.h"

#include <cstdint>

namespace morvi {

namespace {

using tally_grid::kGramCol;
using tally_grid::kKcalCol;
using tally_grid::kNameCol;

// What a removal will write, worked out before anything changes.
struct RemovalPlan {
    int row = 0;
    QString kcalLabel;
    QString gramLabel;
    QString linesLabel;
    Currency totalGram;
    int16_t nextRow = 0;
    int16_t rowCount = 0;
};

// The label's own number less the amount, as its new text: the totals are corrected from what
// the labels show, not recomputed from the grid.
QString decreasedCaption(const Label& label, double amount) {
    return generalNumberText(leadingNumber(label.Caption()) - amount);
}

RemovalPlan planRemoval(const Form& form) {
    const Controls& ui = form.ui;
    const Grid& grid = ui.grd_Hyo;
    RemovalPlan plan;
    plan.row = grid.Row();
    plan.linesLabel = decreasedCaption(ui.lbl_Goukei3, 1);
    const double g = leadingNumber(grid.TextMatrix(plan.row, kGramCol));
    plan.gramLabel = decreasedCaption(ui.lbl_Goukei2, g);
    plan.totalGram = form.tally.m_TotalGram - Currency::fromDouble(g);
    plan.kcalLabel =
        decreasedCaption(ui.lbl_Goukei, leadingNumber(grid.TextMatrix(plan.row, kKcalCol)));
    plan.nextRow = toInt16(int64_t{form.tally.m_NextRow} - 1);
    plan.rowCount = toInt16(int64_t{form.tally.m_RowCount} - 1);
    return plan;
}

// The row goes first: if the grid refuses, nothing else has changed.
void applyRemoval(Form& form, const RemovalPlan& plan) {
    Controls& ui = form.ui;
    ui.grd_Hyo.RemoveItem(plan.row);
    ui.lbl_Goukei3.SetCaption(plan.linesLabel);
    ui.lbl_Goukei2.SetCaption(plan.gramLabel);
    ui.lbl_Goukei.SetCaption(plan.kcalLabel);
    form.tally.m_TotalGram = plan.totalGram;
    form.tally.m_NextRow = plan.nextRow;
    form.tally.m_RowCount = plan.rowCount;
}

bool confirmRemoval(Desktop& desktop, const QString& name) {
    return desktop.MsgBox(name + QStringLiteral(" を削除しますか"), style::kDeleteQuestion,
                          title::kDeleteCheck) == answer::kYes;
}

// The header row is no line of the tally, nor is a row without a name.
QString lineName(const Grid& grid, int row) {
    return row < 1 || row >= grid.Rows() ? QString() : trimSpaces(grid.TextMatrix(row, kNameCol));
}

void removeCurrentLine(Form& form) {
    Grid& grid = form.ui.grd_Hyo;
    grid.SetCol(kNameCol);
    const QString name = lineName(grid, grid.Row());
    if (name.isEmpty() || !confirmRemoval(form.desktop, name)) return;
    if (grid.Row() == 1 && grid.Rows() == tally_grid::kEmptyRows) {
        Form_Init(form);
        return;
    }
    applyRemoval(form, planRemoval(form));
}

}  // namespace

void grd_Hyo_Click(Form& form) {
    withErrorBranch(form.desktop, OnError::Report, [&] {
        removeCurrentLine(form);
        form.desktop.SetMousePointer(pointer::kDefault);
    });
}

void grd_Hyo_KeyDown(Form& form, int keyCode) {
    if (keyCode == keycode::kDelete) grd_Hyo_Click(form);
}

int keyboardLine(const Grid& grid) {
    if (!lineName(grid, grid.Row()).isEmpty()) return grid.Row();
    return lineName(grid, 1).isEmpty() ? 0 : 1;
}

void cmd_Clear_Click(Form& form) {
    withErrorBranch(form.desktop, OnError::Report, [&] {
        Form_Init(form);
        form.desktop.SetMousePointer(pointer::kDefault);
    });
}

}  // namespace morvi
