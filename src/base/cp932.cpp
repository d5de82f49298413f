#include "base/cp932.h"

#include <algorithm>

#include "base/run_time_error.h"

namespace morvi {

namespace {

constexpr const char* kCodecName = "windows-31j";
constexpr QStringConverter::Flags kFlags{QStringConverter::Flag::Stateless};
constexpr QChar kReplacement(0xFFFD);

// ICU's table for this code page swaps the controls 0x1A, 0x1C and 0x7F the IBM way; the code
// page itself keeps them as their ASCII selves, so they bypass the converter.
bool isSwappedControl(char16_t unit) { return unit == 0x1A || unit == 0x1C || unit == 0x7F; }

bool isLeadByte(uchar b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool isTrailByte(uchar b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

bool holdsSwappedControl(QByteArrayView bytes) {
    return std::any_of(bytes.begin(), bytes.end(),
                       [](char b) { return isSwappedControl(uchar(b)); });
}

bool holdsSwappedControl(QStringView text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return isSwappedControl(c.unicode()); });
}

}  // namespace

Cp932Codec::Cp932Codec() {
    renewDecoder();
    renewEncoder();
    if (!decoder_->isValid() || !encoder_->isValid()) throw RunTimeError(err::kInvalidCall);
}

QString Cp932Codec::decode(QByteArrayView bytes) const {
    if (!holdsSwappedControl(bytes)) {
        QString whole = decoder_->decode(bytes);
        if (!decoder_->hasError()) return whole;
        renewDecoder();
    }
    return decodeByUnits(bytes);
}

QByteArray Cp932Codec::encode(QStringView text) const {
    if (!holdsSwappedControl(text)) {
        QByteArray whole = encoder_->encode(text);
        if (!encoder_->hasError()) return whole;
        renewEncoder();
    }
    return encodeByCodePoints(text);
}

// The converters' error flag survives resetState(), so a converter that has failed is rebuilt;
// the fast path thus never builds one. Built in place: ICU keeps the address of the converter's
// state, so a moved converter would report its errors to a dead object.
void Cp932Codec::renewDecoder() const { decoder_.emplace(kCodecName, kFlags); }

void Cp932Codec::renewEncoder() const { encoder_.emplace(kCodecName, kFlags); }

// One code-page character at a time, so that a bad one costs only itself.
QString Cp932Codec::decodeByUnits(QByteArrayView bytes) const {
    QString out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const uchar lead = uchar(bytes[i]);
        const bool pair =
            isLeadByte(lead) && i + 1 < bytes.size() && isTrailByte(uchar(bytes[i + 1]));
        const qsizetype length = pair ? 2 : 1;
        if (isSwappedControl(lead)) {
            out += QChar(lead);
        } else if (QString unit = decoder_->decode(bytes.sliced(i, length));
                   !decoder_->hasError() && !unit.isEmpty()) {
            out += unit;
        } else {
            renewDecoder();
            out += kReplacement;
            // An ASCII byte after a bad lead is read again on its own, so no ',' or letter
            // is swallowed.
            if (pair && uchar(bytes[i + 1]) < 0x80) {
                ++i;
                continue;
            }
        }
        i += length;
    }
    return out;
}

QByteArray Cp932Codec::encodeByCodePoints(QStringView text) const {
    QByteArray out;
    out.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size();) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        if (isSwappedControl(text[i].unicode())) {
            out += char(text[i].unicode());
        } else if (QByteArray unit = encoder_->encode(text.sliced(i, length));
                   !encoder_->hasError() && !unit.isEmpty()) {
            out += unit;
        } else {
            renewEncoder();
            out += '?';
        }
        i += length;
    }
    return out;
}

const Cp932Codec& cp932() {
    static const Cp932Codec codec;
    return codec;
}

}  // namespace morvi
