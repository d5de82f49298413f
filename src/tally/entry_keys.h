#pragma once

#include "ui/form.h"

#include <QStringView>
#include <cstdint>

namespace morvi {

// Key handlers get the typed character's code; setting it to 0 swallows the key.
inline constexpr int16_t kKeyBackspace = 8;
inline constexpr int16_t kKeyTab = 9;
inline constexpr int16_t kKeyEnter = 13;

// What the gram field holds: at most this many characters, each an ordinary digit or the full
// stop. Typed keys are checked one by one; a text pasted or dropped in is checked whole.
inline constexpr int kGramFieldMaxLength = 8;
bool isGramCharacter(char16_t c);
bool isGramText(QStringView text);

void cbo_HINMEI_KeyPress(Form& form, int16_t& KeyAscii);
void txt_Glam_KeyPress(Form& form, int16_t& KeyAscii);
void txt_Glam_GotFocus(Form& form);
// Selects the whole text of the control, caret at the start.
void Select_All(Desktop& desktop, TextBox& control);

}  // namespace morvi
