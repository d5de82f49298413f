#pragma once

#include "ui/food_table.h"

#include <QFile>
#include <QString>
#include <cstdint>
#include <functional>

namespace morvi {

// The most foods the table can hold; the sort's 16-bit counter fails on more.
inline constexpr int32_t kMaxFoods = 32766;

// Where the program looks for its food list: appDir, the separator, "menu.txt".
QString menuPath(const QString& appDir);

// Opens file for reading. Errors: 53 missing, 76 a directory on the path missing, 75 not a
// readable file.
void openMenuFile(QFile& file);

// Calls visit with each line of the file in turn, without its end, while visit returns true.
// Errors: the open errors above, 57 a failed read.
void forEachMenuLine(const QString& path, const std::function<bool(const QByteArray&)>& visit);

// Number of lines in the file. Errors: 53 missing, 76 a directory on the path missing, 75 not a
// readable file, 57 a failed read, 6 more lines than a 32-bit count holds.
int32_t countMenuLines(const QString& path);

// Reads the first table.m_MenuCount lines into entries 1..m_MenuCount, storing at most kMaxFoods
// of them (the rest are parsed for their errors only). Error 62 when the file has fewer lines;
// the open and line errors as above and as parseFoodLine.
void parseMenuLines(const QString& path, FoodTable& table);

}  // namespace morvi
