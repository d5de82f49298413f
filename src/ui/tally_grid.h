#pragma once

#include "ui/controls.h"

namespace morvi {

// The tally grid's columns and the colours the handlers give its cells.
namespace tally_grid {
inline constexpr int kNameCol = 0;
inline constexpr int kGramCol = 1;
inline constexpr int kKcalCol = 2;
inline constexpr int kCols = 3;
// An empty tally: the header row and one blank row.
inline constexpr int kEmptyRows = 2;
inline constexpr ColorBgr kGramCellBack = 0x0080FFFF;  // pale yellow
inline constexpr ColorBgr kHeaderFore = kDarkBlue;
}  // namespace tally_grid

}  // namespace morvi
