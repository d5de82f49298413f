#include "tally/remove_item.h"

#include "base/currency.h"
#include "base/number_text.h"
#include "base/rounding.h"
#include "base/trim.h"
#include "food/form_init.h"
#include "ui/error_frame.h"
#include "ui/tally_grid.h"

#include <algorithm>
#include <cstdint>
#include <utility>

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

void grd_Hyo_KeyDown(Form& form, int16_t& KeyCode) {
    Grid& grid = form.ui.grd_Hyo;
    const int row = grid.Row();
    const int last = grid.Rows() - 1;
    const auto moveTo = [&](int line) { grid.SetRow(std::clamp(line, 1, last)); };
    const int16_t key = std::exchange(KeyCode, int16_t{0});
    switch (key) {
        case keycode::kDelete:
            grd_Hyo_Click(form);
            break;
        case keycode::kUp:
            moveTo(row - 1);
            break;
        case keycode::kDown:
            moveTo(row + 1);
            break;
        case keycode::kPageUp:
            moveTo(row - tally_grid::kLinesPerPage);
            break;
        case keycode::kPageDown:
            moveTo(row + tally_grid::kLinesPerPage);
            break;
        case keycode::kHome:
            moveTo(1);
            break;
        case keycode::kEnd:
            moveTo(last);
            break;
        case keycode::kTab:
        case keycode::kEscape:
        case keycode::kF6:
            form.ui.cbo_HINMEI.SetFocus();
            break;
        default:
            KeyCode = key;
    }
}

void goToLines(Form& form) {
    Grid& grid = form.ui.grd_Hyo;
    if (!tallyHoldsLines(grid)) return;
    if (lineName(grid, grid.Row()).isEmpty()) grid.SetRow(1);
    grid.SetFocus();
}

void cmd_Clear_Click(Form& form) {
    withErrorBranch(form.desktop, OnError::Report, [&] {
        Form_Init(form);
        form.desktop.SetMousePointer(pointer::kDefault);
    });
}

}  // namespace morvi
