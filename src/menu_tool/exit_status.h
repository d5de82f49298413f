#pragma once

namespace morvi::menu_tool {

inline constexpr int kExitOk = 0;       // check: Morvi loads the list; convert: OUT written
inline constexpr int kExitRefused = 1;  // check: Morvi stops at start; convert: a character refused
inline constexpr int kExitTrouble = 2;  // a file cannot be read or written, or wrong arguments

}  // namespace morvi::menu_tool
