#pragma once

#include "ui/controls.h"

namespace morvi {

// The tally grid's facts, read by its initialisation, the add, the removal, the print-out and
// the Qt grid: its columns and their heading row, its shape when empty, its look.
namespace tally_grid {
inline constexpr int kNameCol = 0;
inline constexpr int kGramCol = 1;
inline constexpr int kKcalCol = 2;
inline constexpr int kCols = 3;

// Row 0, column by column.
struct HeaderColumn {
    int alignment;
    int widthTwips;
    const char16_t* caption;
};
inline constexpr HeaderColumn kHeader[kCols] = {
    {align::kLeftCenter, 2000, u"品名"},
    {align::kCenterCenter, 1000, u"グラム(g)"},
    {align::kCenterCenter, 1192, u"カロリー(KCal)"},
};
inline constexpr ColorBgr kHeaderFore = kDarkBlue;

// An empty tally: the header row and one blank row.
inline constexpr int kEmptyRows = 2;
// A line's gram cell, and the alignment of its numbers.
inline constexpr ColorBgr kGramCellBack = 0x0080FFFF;  // pale yellow
inline constexpr int kNumberAlignment = align::kRightCenter;

// The look beyond the design's operations: each row's height, grey beyond the last cell, the
// cells' grid lines, and the whole lines the grid shows below its header (a page for the keys).
inline constexpr int kHeightTwips = 1875;
inline constexpr int kRowHeightTwips = 240;
inline constexpr ColorBgr kBeyondCells = 0x00808080;
inline constexpr ColorBgr kGridLines = 0x00C0C0C0;
inline constexpr int kLinesPerPage = (kHeightTwips - kRowHeightTwips) / kRowHeightTwips;
}  // namespace tally_grid

// Whether the tally holds a line: more than the empty shape, or a name in its one row.
bool tallyHoldsLines(const Grid& grid);

}  // namespace morvi
