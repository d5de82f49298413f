#pragma once

#include "ui/form.h"

namespace morvi {

// The Delete key's code.
namespace keycode {
inline constexpr int kDelete = 46;
}  // namespace keycode

// A click on a tally line: asks, then removes that line and corrects the totals.
void grd_Hyo_Click(Form& form);
// A key on the tally grid: Delete does what a click on the current line does.
void grd_Hyo_KeyDown(Form& form, int keyCode);
// The line the keyboard starts on: the current row when it holds a line, else the first line;
// 0 when the tally has none.
int keyboardLine(const Grid& grid);
// "CLEAR": empties the tally.
void cmd_Clear_Click(Form& form);

}  // namespace morvi
