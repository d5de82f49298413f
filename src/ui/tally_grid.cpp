#include "ui/tally_grid.h"

#include "base/trim.h"

namespace morvi {

bool tallyHoldsLines(const Grid& grid) {
    return grid.Rows() > tally_grid::kEmptyRows ||
           !trimSpaces(grid.TextMatrix(1, tally_grid::kNameCol)).isEmpty();
}

}  // namespace morvi
