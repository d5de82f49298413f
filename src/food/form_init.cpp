#include "food/form_init.h"

#include "ui/error_frame.h"
#include "ui/tally_grid.h"

namespace morvi {

namespace {

void resetGrid(Grid& grid) {
    grid.Clear();
    // Colours column 1 of whichever row is current now: row 1 at start-up.
    grid.SetCol(tally_grid::kGramCol);
    grid.SetCellBackColor(tally_grid::kGramCellBack);
    grid.SetRows(tally_grid::kEmptyRows);
    grid.SetCols(tally_grid::kCols);
    grid.SetRow(0);
    for (int col = 0; col < tally_grid::kCols; ++col) {
        const tally_grid::HeaderColumn& h = tally_grid::kHeader[col];
        grid.SetColAlignment(col, h.alignment);
        grid.SetColWidth(col, h.widthTwips);
        grid.SetCol(col);
        grid.SetText(QString::fromUtf16(h.caption));
        grid.SetCellForeColor(tally_grid::kHeaderFore);
    }
}

void fillPicker(Picker& picker, const FoodTable& food) {
    const int32_t n = food.m_MenuCount;
    for (int32_t i = 1; i <= n; ++i) {
        picker.AddItem(food.m_Hinmei[i]);
        picker.SetItemData(picker.NewIndex(), food.m_UnitGram[i]);
    }
}

}  // namespace

void Form_Init(Form& form) {
    withErrorBranch(form.desktop, OnError::ReportThenEnd, [&] {
        Controls& ui = form.ui;
        form.desktop.SetMousePointer(pointer::kDefault);
        resetGrid(ui.grd_Hyo);
        form.tally = TallyState{};
        ui.cbo_HINMEI.Clear();
        ui.txt_Glam.SetText(QString());
        ui.lbl_Goukei.SetCaption(QString());
        ui.lbl_Goukei2.SetCaption(QString());
        ui.lbl_Goukei3.SetCaption(QString());
        ui.cbo_HINMEI.SetFocus();
        fillPicker(ui.cbo_HINMEI, form.food);
    });
}

}  // namespace morvi
