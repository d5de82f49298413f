#pragma once

#include "print/printer.h"
#include "ui/form.h"

namespace morvi {

// The print menu item: prints the tally as fixed columns, or says there is nothing to print.
void g_print_Click(Form& form, Printer& printer);

// The save-as-PDF menu item: the very pages the printer would get, written to a file the user
// picks, or the same word as printing when there is nothing. A failure raises its error and
// leaves the tally as it was.
void g_pdf_Click(Form& form, Printer& printer);

}  // namespace morvi
