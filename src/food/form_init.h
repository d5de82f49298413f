#pragma once

#include "ui/form.h"

namespace morvi {

// Puts the window in its empty starting state: blank tally, cleared totals and gram field, the
// picker refilled from the food table and focused. An error ends the program.
void Form_Init(Form& form);

}  // namespace morvi
