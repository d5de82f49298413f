#include "app/form_load.h"

#include "food/form_init.h"
#include "food/menu_load.h"
#include "ui/error_frame.h"

namespace morvi {

void Form_Load(Form& form, const StartUp& startUp) {
    withErrorBranch(form.desktop, OnError::ReportThenEnd, [&] {
        form.desktop.SetMousePointer(pointer::kDefault);
        if (startUp.PrevInstance()) throw ProgramEnd{kExitNormally};
        if (Menu_Load(form, startUp.appPath)) {
            startUp.Show();
            Form_Init(form);
            return;
        }
        // The loader has shown its report already; a second one would only say error 0.
        Error_Syori(form.desktop);
    });
}

void cmd_End_Click(Form& form) {
    withErrorBranch(form.desktop, OnError::Report, [] { throw ProgramEnd{kExitNormally}; });
}

void g_end_Click(Form& form) { cmd_End_Click(form); }

}  // namespace morvi
