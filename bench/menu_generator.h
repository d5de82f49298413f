#pragma once

#include <QByteArray>
#include <cstdint>

namespace morvi::bench {

// How the sort keys of a generated food list are ordered in the file.
enum class KeyOrder { Random, Sorted, Reversed, ManyEqual };

// A food list of n lines in code page 932 with CR LF line ends, the same for the same seed.
QByteArray generateMenu(int lines, KeyOrder order, uint32_t seed = 20261207);

}  // namespace morvi::bench
