#pragma once

#include <QString>
#include <span>
#include <vector>

namespace morvi {

// The order in which the exchange loop
//   for i in 1..n: for j in i..n: if key[i] > key[j] (code units): swap entries i and j
// leaves the entries, equal keys included, computed in O(n log n + n sqrt n) instead of the
// loop's n^2 / 2 comparisons. Returns, for each sorted place, the 0-based index of the entry
// (in input order) that ends there.
std::vector<int> exchangeSortOrder(std::span<const QString> keys);

}  // namespace morvi
