#pragma once

#include "ui/form.h"

#include <QString>

namespace morvi {

// Reads appDir + separator + "menu.txt" into form.food, sorted by key. On failure it has shown the
// error report and returns false.
bool Menu_Load(Form& form, const QString& appDir);

}  // namespace morvi
