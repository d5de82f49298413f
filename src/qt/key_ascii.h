#pragma once

#include <QList>
#include <cstdint>

class QKeyEvent;

namespace morvi {

// The character codes a key press types, one per UTF-16 code unit, as the key handlers receive
// them: Enter 13, Tab 9, Backspace 8, Ctrl+letter 1..26. Empty for a key that types nothing
// (arrows, Delete, function keys, Alt combinations, Shift+Tab).
QList<int16_t> keyAsciiCodes(const QKeyEvent& event);
// The key code of a key the tally grid answers (Shift+Tab is Tab), else 0.
int16_t gridKeyCode(const QKeyEvent& event);

}  // namespace morvi
