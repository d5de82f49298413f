#include "menu_tool/list_encoding.h"

#include "base/cp932.h"

#include <QStringDecoder>
#include <algorithm>

namespace morvi::menu_tool {

namespace {

// The encodings Qt decodes, each with its byte order mark (UTF-8 without one last) and its name;
// code page 932 has a converter of its own.
struct KnownEncoding {
    ListEncoding encoding;
    QByteArrayView mark;
    QStringConverter::Encoding converter;
    const char16_t* name;
};

constexpr KnownEncoding kEncodings[] = {
    {ListEncoding::Utf8Bom, "\xEF\xBB\xBF", QStringConverter::Utf8, u"UTF-8（BOM あり）"},
    {ListEncoding::Utf16Le, "\xFF\xFE", QStringConverter::Utf16LE, u"UTF-16 LE（BOM あり）"},
    {ListEncoding::Utf16Be, "\xFE\xFF", QStringConverter::Utf16BE, u"UTF-16 BE（BOM あり）"},
    {ListEncoding::Utf8, {}, QStringConverter::Utf8, u"UTF-8（BOM なし）"},
};

const KnownEncoding* known(ListEncoding encoding) {
    const auto it = std::find_if(std::begin(kEncodings), std::end(kEncodings),
                                 [&](const KnownEncoding& e) { return e.encoding == encoding; });
    return it == std::end(kEncodings) ? nullptr : it;
}

}  // namespace

void EncodingDetector::look(QByteArrayView bytes) {
    if (!started_) {
        started_ = true;
        for (const KnownEncoding& e : kEncodings)
            if (!e.mark.isEmpty() && bytes.startsWith(e.mark)) marked_ = e.encoding;
    }
    if (marked_ || !utf8Valid_) return;
    nonAscii_ = nonAscii_ ||
                std::any_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) >= 0x80; });
    utf8Valid_ = bytes.isValidUtf8();
}

ListEncoding EncodingDetector::encoding() const {
    if (marked_) return *marked_;
    return utf8Valid_ && nonAscii_ ? ListEncoding::Utf8 : ListEncoding::CodePage932;
}

QString encodingName(ListEncoding encoding) {
    const KnownEncoding* e = known(encoding);
    return e ? QString::fromUtf16(e->name) : QStringLiteral("code page 932");
}

QString decodeList(QByteArrayView bytes, ListEncoding encoding) {
    const KnownEncoding* e = known(encoding);
    if (!e) return cp932().decode(bytes);
    return QStringDecoder(e->converter).decode(bytes.sliced(e->mark.size()));
}

}  // namespace morvi::menu_tool
