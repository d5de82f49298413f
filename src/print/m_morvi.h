#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace morvi::M_Morvi {

// Conversion code: from the program's Unicode text to the system ANSI code page (932).
inline constexpr int32_t kFromUnicode = 128;

// The text converted with the given conversion code; error 5 for a code other than kFromUnicode.
QByteArray Str_Conv(const QString& text, int32_t conversion);

// The printed width of a text: its byte length in code page 932, so a half-width character
// counts 1, a full-width one 2, and one the code page cannot represent 1 (the '?' it becomes).
int32_t Str_ByteLen(QString text);

}  // namespace morvi::M_Morvi
