#pragma once

#include "ui/form.h"

#include <QString>
#include <functional>

namespace morvi {

// Reads appDir + separator + "menu.txt" into form.food, sorted by key. On failure it has shown the
// error report and returns false.
bool Menu_Load(Form& form, const QString& appDir);

// The loader's steps on the list at path: count, then (after afterCount) read, then sort into
// table. Raises the error the loader stops with.
void readFoodTable(const QString& path, FoodTable& table, const std::function<void()>& afterCount);

}  // namespace morvi
