#pragma once

#include "base/currency.h"

#include <cstdint>

namespace morvi {

// The running state of the tally; both counters are always the number of lines + 1.
struct TallyState {
    int16_t m_NextRow = 1;
    int16_t m_RowCount = 1;
    int32_t m_TotalKcal = 0;
    Currency m_TotalGram;
};

}  // namespace morvi
