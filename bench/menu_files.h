#pragma once

#include "menu_generator.h"

#include <QString>

namespace morvi::bench {

// A directory holding a generated menu.txt of that size and key order, written once per run.
QString generatedMenuDir(int lines, KeyOrder order);

// A directory holding the sample list that ships with the program.
QString sampleMenuDir();

}  // namespace morvi::bench
