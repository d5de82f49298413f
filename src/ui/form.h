#pragma once

#include "ui/controls.h"
#include "ui/food_table.h"
#include "ui/tally_state.h"

namespace morvi {

// What the main window holds: its controls, the desktop it runs on, the food table and the
// tally's running state. Every handler of the window works on one of these.
struct Form {
    Controls ui;
    Desktop& desktop;
    FoodTable food;
    TallyState tally;
};

}  // namespace morvi
