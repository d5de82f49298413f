#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace morvi {

// Conversion between the program's UTF-16 text and code page 932, the encoding of menu.txt and
// of the print-out's width measure. Kept behind this interface so another converter can serve
// on a platform whose Qt has no ICU.
class TextCodec {
  public:
    virtual ~TextCodec() = default;
    // Invalid byte sequences become U+FFFD and decoding goes on.
    virtual QString decode(QByteArrayView bytes) const = 0;
    // A character the code page cannot represent becomes one '?'.
    virtual QByteArray encode(QStringView text) const = 0;
};

// The shared code page 932 converter; error 5 when the platform cannot provide it. It keeps
// converter state, so it serves the one user-interface thread only.
const TextCodec& cp932();

}  // namespace morvi
