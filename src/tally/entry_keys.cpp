#include "tally/entry_keys.h"

#include "ui/error_frame.h"

#include <QChar>
#include <algorithm>

namespace morvi {

namespace {

bool isEnterOrTab(int16_t key) { return key == kKeyEnter || key == kKeyTab; }

void leaveGramField(Form& form) {
    Controls& ui = form.ui;
    if (ui.txt_Glam.Text() == QString()) {
        form.desktop.MsgBox(QStringLiteral("グラムを入力してください"), style::kCritical,
                            title::kInputCheck);
        ui.txt_Glam.SetFocus();
        return;
    }
    ui.cmd_SET.SetFocus();
}

}  // namespace

// Full-width digits are not digits here: only the character codes '0' to '9' count.
bool isGramCharacter(char16_t c) { return (c >= u'0' && c <= u'9') || c == u'.'; }

bool isGramText(QStringView text) {
    return text.size() <= kGramFieldMaxLength && std::all_of(text.begin(), text.end(), [](QChar c) {
               return isGramCharacter(c.unicode());
           });
}

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
