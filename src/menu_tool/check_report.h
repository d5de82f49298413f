#pragma once

#include "menu_tool/menu_check.h"

#include <QStringList>

namespace morvi::menu_tool {

// The lines `check` prints for a file shown as shownPath: the notice or the findings, then a
// summary of what Morvi does at start.
QStringList checkReport(const QString& shownPath, const MenuCheck& check);

// The exit status for a check: 0 loads, 1 Morvi stops, 2 the file cannot be read.
int checkExitStatus(const MenuCheck& check);

}  // namespace morvi::menu_tool
