#include "tally/entry_keys.h"

#include "ui/error_frame.h"

#include <QChar>

namespace morvi {

namespace {

// Characters the gram field holds at most.
constexpr int kGramFieldMaxLength = 8;

bool isEnterOrTab(int16_t key) { return key == kKeyEnter || key == kKeyTab; }

// Only the ordinary digits and the full stop; the code is one UTF-16 unit.
bool isGramCharacter(char16_t c) { return (c >= u'0' && c <= u'9') || c == u'.'; }

void leaveGramField(Form& form) {
    Controls& ui = form.ui;
    if (ui.txt_Glam.Text() == QString()) {
        form.desktop.MsgBox(QStringLiteral("グラムを入力してください"), style::kCritical,
                            QStringLiteral("入力確認"));
        ui.txt_Glam.SetFocus();
        return;
    }
    ui.cmd_SET.SetFocus();
}

}  // namespace

void cbo_HINMEI_KeyPress(Form& form, int16_t& KeyAscii) {
    withErrorBranch(form.desktop, OnError::Report, [&] {
        if (!isEnterOrTab(KeyAscii)) return;
        KeyAscii = 0;
        form.ui.txt_Glam.SetFocus();
    });
}

void txt_Glam_KeyPress(Form& form, int16_t& KeyAscii) {
    withErrorBranch(form.desktop, OnError::Report, [&] {
        if (isEnterOrTab(KeyAscii)) {
            KeyAscii = 0;
            leaveGramField(form);
            return;
        }
        if (KeyAscii == kKeyBackspace) return;
        const bool fits = isGramCharacter(static_cast<char16_t>(static_cast<uint16_t>(KeyAscii))) &&
                          form.ui.txt_Glam.Text().size() < kGramFieldMaxLength;
        if (!fits) KeyAscii = 0;
    });
}

void txt_Glam_GotFocus(Form& form) {
    withErrorBranch(form.desktop, OnError::Report, [&] {
        Select_All(form.desktop, form.ui.txt_Glam);
        form.desktop.SetMousePointer(pointer::kDefault);
    });
}

void Select_All(Desktop& desktop, TextBox& control) {
    withErrorBranch(desktop, OnError::Report, [&] {
        control.SetSelStart(0);
        control.SetSelLength(static_cast<int>(control.Text().size()));
    });
}

}  // namespace morvi
