// The print width of a text: its code page 932 byte length. Each character that glibc's own
// CP932 converter maps both ways counts as many bytes as that converter gives it; any other
// (unpaired surrogates, characters beyond the code page, best-fit mappings) counts 1 or 2.

#include "fuzz_check.h"
#include "print/m_morvi.h"

#include <iconv.h>
#include <QString>
#include <cstring>

namespace {

using morvi::fuzz::require;

size_t convert(iconv_t converter, const char* in, size_t inSize, char* out, size_t outSize) {
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    char* inPtr = const_cast<char*>(in);
    char* outPtr = out;
    size_t inLeft = inSize;
    size_t outLeft = outSize;
    if (iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1)) return 0;
    return outSize - outLeft;
}

iconv_t openConverter(const char* to, const char* from) {
    const iconv_t converter = iconv_open(to, from);
    require(converter != iconv_t(-1), "byte length: glibc has CP932");
    return converter;
}

// Bytes of one code point in CP932 by glibc, 0 when it has none or only a one-way (best-fit)
// mapping, which the code page does not represent.
size_t cp932Bytes(char32_t codePoint) {
    static const iconv_t encoder = openConverter("CP932", "UTF-32LE");
    static const iconv_t decoder = openConverter("UTF-32LE", "CP932");
    char bytes[16];
    const size_t length = convert(encoder, reinterpret_cast<const char*>(&codePoint),
                                  sizeof codePoint, bytes, sizeof bytes);
    char32_t back = 0;
    const bool roundTrip =
        length > 0 &&
        convert(decoder, bytes, length, reinterpret_cast<char*>(&back), sizeof back) == sizeof back;
    return roundTrip && back == codePoint ? length : 0;
}

struct WidthRange {
    qsizetype low = 0;
    qsizetype high = 0;
};

WidthRange independentWidth(const QString& text) {
    WidthRange range;
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        const bool pair =
            c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char32_t codePoint =
            pair ? QChar::surrogateToUcs4(c, text[i + 1]) : char32_t(c.unicode());
        const size_t bytes = c.isSurrogate() && !pair ? 0 : cp932Bytes(codePoint);
        range.low += bytes ? qsizetype(bytes) : 1;
        range.high += bytes ? qsizetype(bytes) : 2;
        i += pair ? 2 : 1;
    }
    return range;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * 2);
    const int32_t width = morvi::M_Morvi::Str_ByteLen(text);
    const WidthRange want = independentWidth(text);
    require(width >= want.low && width <= want.high, "byte length: as glibc's CP932 counts it");
    return 0;
}
