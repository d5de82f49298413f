#pragma once

#include "ui/form.h"

namespace morvi {

// "SET": checks that a food and grams are given, then adds them to the tally.
void cmd_SET_Click(Form& form);
// Adds the chosen food's grams: merges into its line or appends one, and refreshes the totals.
void DataSet(Form& form);
// Error 11 for a unit weight of 0, which would divide by zero: such a food is never added.
void checkUnitWeight(double unitWeight);

}  // namespace morvi
