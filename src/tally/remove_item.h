#pragma once

#include "ui/form.h"

#include <cstdint>

namespace morvi {

// The codes of the keys the tally grid answers.
namespace keycode {
inline constexpr int16_t kTab = 9;
inline constexpr int16_t kEscape = 27;
inline constexpr int16_t kPageUp = 33;
inline constexpr int16_t kPageDown = 34;
inline constexpr int16_t kEnd = 35;
inline constexpr int16_t kHome = 36;
inline constexpr int16_t kUp = 38;
inline constexpr int16_t kDown = 40;
inline constexpr int16_t kDelete = 46;
inline constexpr int16_t kF6 = 117;
}  // namespace keycode

// A click on a tally line: asks, then removes that line and corrects the totals.
void grd_Hyo_Click(Form& form);
// A key on the tally grid, which has the focus: the arrow and page keys move between the lines,
// Home and End go to the first and the last, Delete does what a click on the current line does
// (the line below, or the new last one, is current then), and Tab, Escape and F6 go back to the
// food picker. A key it answers is set to 0; any other reaches the grid.
void grd_Hyo_KeyDown(Form& form, int16_t& KeyCode);
// F6 outside the grid takes the keyboard to the lines, on the current one (the first when none
// is current); an empty tally has no line to go to.
void goToLines(Form& form);
// "CLEAR": empties the tally.
void cmd_Clear_Click(Form& form);

}  // namespace morvi
