#pragma once

#include "print/printer.h"
#include "ui/form.h"

namespace morvi {

// The print menu item: prints the tally as fixed columns, or says there is nothing to print.
void g_print_Click(Form& form, Printer& printer);

}  // namespace morvi
