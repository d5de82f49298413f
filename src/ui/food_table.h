#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace morvi {

// The foods read from menu.txt, as parallel arrays indexed 0 to m_MenuCount; entry 0 is never
// used, entries 1..m_MenuCount stand in ascending order of their sort key after a load.
struct FoodTable {
    int32_t m_MenuCount = 0;
    std::vector<QString> m_Hinmei;    // food names
    std::vector<QString> m_Yomi;      // sort keys
    std::vector<int32_t> m_UnitGram;  // grams of the food that supply 80 kcal
};

}  // namespace morvi
