#include "print/m_morvi.h"

#include "base/cp932.h"
#include "base/run_time_error.h"

namespace morvi::M_Morvi {

QByteArray Str_Conv(const QString& text, int32_t conversion) {
    if (conversion != kFromUnicode) throw RunTimeError(err::kInvalidCall);
    return cp932().encode(text);
}

int32_t Str_ByteLen(QString text) {
    return static_cast<int32_t>(Str_Conv(text, kFromUnicode).size());
}

}  // namespace morvi::M_Morvi
