// Code page 932 against glibc's own converter. The input as UTF-16 text: its print width, the
// byte length in the code page, counts each character glibc maps both ways as many bytes as glibc
// gives it, any other (unpaired surrogates, characters beyond the code page, best-fit mappings)
// 1 or 2. The input as bytes: where glibc decodes them, the program reads the same text.

#include "base/cp932.h"
#include "fuzz_check.h"
#include "print/m_morvi.h"

#include <iconv.h>
#include <QList>
#include <QString>
#include <cstring>

namespace {

using morvi::fuzz::require;

const iconv_t kEncoder = iconv_open("CP932", "UTF-32LE");
const iconv_t kDecoder = iconv_open("UTF-32LE", "CP932");
const iconv_t kReader = iconv_open("UTF-16LE", "CP932");

// The bytes glibc converts `in` to, empty when it refuses.
QByteArray convert(iconv_t c, QByteArrayView in) {
    require(c != iconv_t(-1), "fuzz set-up: glibc has CP932");
    iconv(c, nullptr, nullptr, nullptr, nullptr);
    QByteArray out(in.size() * 4 + 8, '\0');
    char *inPtr = const_cast<char*>(in.data()), *outPtr = out.data();
    size_t inLeft = size_t(in.size()), outLeft = size_t(out.size());
    if (iconv(c, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1)) return {};
    return out.left(out.size() - qsizetype(outLeft));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * 2);
    qsizetype low = 0, high = 0;
    // An unpaired surrogate reads as U+FFFD, which the code page lacks.
    for (char32_t codePoint : text.toUcs4()) {
        const QByteArrayView one(reinterpret_cast<const char*>(&codePoint), sizeof codePoint);
        const QByteArray bytes = convert(kEncoder, one);
        const bool both = !bytes.isEmpty() && convert(kDecoder, bytes) == one;
        low += both ? bytes.size() : 1;
        high += both ? bytes.size() : 2;
    }
    const int32_t width = morvi::M_Morvi::Str_ByteLen(text);
    require(width >= low && width <= high, "byte length: as glibc's CP932 counts it");

    const QByteArrayView bytes(data, qsizetype(size));
    const QByteArray read = convert(kReader, bytes);
    require(
        (read.isEmpty() && size > 0) ||
            morvi::cp932().decode(bytes) ==
                QStringView(reinterpret_cast<const char16_t*>(read.constData()), read.size() / 2),
        "decoding: as glibc's CP932 reads valid bytes");
    return 0;
}
