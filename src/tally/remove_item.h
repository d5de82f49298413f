#pragma once

#include "ui/form.h"

namespace morvi {

// A click on a tally line: asks, then removes that line and corrects the totals.
void grd_Hyo_Click(Form& form);
// "CLEAR": empties the tally.
void cmd_Clear_Click(Form& form);

}  // namespace morvi
