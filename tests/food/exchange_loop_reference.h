#pragma once

#include <QString>
#include <numeric>
#include <utility>
#include <vector>

namespace morvi::testing {

// The exchange loop written out plainly, as the oracle for the fast order: for each place i,
// every later entry with a smaller key is swapped into it. Returns the input indices by place.
inline std::vector<int> referenceExchangeOrder(std::vector<QString> keys) {
    const int n = static_cast<int>(keys.size());
    std::vector<int> index(n);
    std::iota(index.begin(), index.end(), 0);
    for (int i = 0; i < n; ++i)
        for (int j = i; j < n; ++j)
            if (QString::compare(keys[i], keys[j], Qt::CaseSensitive) > 0) {
                std::swap(keys[i], keys[j]);
                std::swap(index[i], index[j]);
            }
    return index;
}

}  // namespace morvi::testing
