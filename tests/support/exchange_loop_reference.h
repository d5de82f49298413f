#pragma once

#include "ui/food_table.h"

#include <QString>
#include <numeric>
#include <utility>
#include <vector>

namespace morvi::support {

// The exchange loop written out plainly over entries 1..m_MenuCount, as the oracle for the fast
// order and the baseline of the benchmarks: every entry from i on with a smaller key is swapped
// into place i, the three arrays in step.
inline void referenceExchangeLoop(FoodTable& table) {
    const int32_t n = table.m_MenuCount;
    for (int32_t i = 1; i <= n; ++i)
        for (int32_t j = i; j <= n; ++j)
            if (QString::compare(table.m_Yomi[i], table.m_Yomi[j], Qt::CaseSensitive) > 0) {
                std::swap(table.m_Hinmei[i], table.m_Hinmei[j]);
                std::swap(table.m_Yomi[i], table.m_Yomi[j]);
                std::swap(table.m_UnitGram[i], table.m_UnitGram[j]);
            }
}

// The loop's order of the keys: the input indices by place. Each entry carries its index as its
// unit weight, so the exchanges show where every entry went.
inline std::vector<int> referenceExchangeOrder(const std::vector<QString>& keys) {
    const int n = static_cast<int>(keys.size());
    FoodTable table;
    table.m_MenuCount = n;
    table.m_Hinmei.assign(n + 1, QString());
    table.m_Yomi = {QString()};
    table.m_Yomi.insert(table.m_Yomi.end(), keys.begin(), keys.end());
    table.m_UnitGram.assign(n + 1, 0);
    std::iota(table.m_UnitGram.begin() + 1, table.m_UnitGram.end(), 0);
    referenceExchangeLoop(table);
    return {table.m_UnitGram.begin() + 1, table.m_UnitGram.end()};
}

}  // namespace morvi::support
