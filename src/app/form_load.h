#pragma once

#include "ui/form.h"

#include <QString>
#include <functional>

namespace morvi {

// What start-up needs from the running program and its window besides the controls.
struct StartUp {
    std::function<bool()> PrevInstance;  // another copy of the program is running
    QString appPath;                     // the program's own directory, where menu.txt lies
    std::function<void()> Show;          // makes the main window visible, modeless
};

// The main window's load handler: refuses a second copy, loads the food list, shows and
// initialises the window. A second copy or a failed load ends the program (ProgramEnd).
void Form_Load(Form& form, const StartUp& startUp);

// "END": ends the program at once, without a question.
void cmd_End_Click(Form& form);
// ファイル > 終了: the same as "END".
void g_end_Click(Form& form);

}  // namespace morvi
