#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringConverter>
#include <QStringView>
#include <optional>

namespace morvi {

// Conversion between the program's UTF-16 text and code page 932, the encoding of menu.txt and
// of the print-out's width measure, through Qt's ICU converter. It keeps converter state, so it
// serves the one user-interface thread only.
class Cp932Codec {
  public:
    // Error 5 when the platform cannot provide the code page.
    Cp932Codec();
    // Invalid byte sequences become U+FFFD and decoding goes on.
    QString decode(QByteArrayView bytes) const;
    // A character the code page cannot represent becomes one '?'.
    QByteArray encode(QStringView text) const;

  private:
    void renewDecoder() const;
    void renewEncoder() const;
    QString decodeByUnits(QByteArrayView bytes) const;
    QByteArray encodeByCodePoints(QStringView text) const;

    mutable std::optional<QStringDecoder> decoder_;
    mutable std::optional<QStringEncoder> encoder_;
};

// The shared converter.
const Cp932Codec& cp932();

}  // namespace morvi
