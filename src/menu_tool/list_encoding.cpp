#include "menu_tool/list_encoding.h"

#include "base/cp932.h"

#include <QStringDecoder>
#include <algorithm>

namespace morvi::menu_tool {

namespace {

struct ByteOrderMark {
    ListEncoding encoding;
    QByteArrayView bytes;
    QStringConverter::Encoding converter;
};

constexpr ByteOrderMark kMarks[] = {
    {ListEncoding::Utf8Bom, "\xEF\xBB\xBF", QStringConverter::Utf8},
    {ListEncoding::Utf16Le, "\xFF\xFE", QStringConverter::Utf16LE},
    {ListEncoding::Utf16Be, "\xFE\xFF", QStringConverter::Utf16BE},
};

}  // namespace

void EncodingDetector::look(QByteArrayView bytes) {
    if (!started_) {
        started_ = true;
        const auto mark =
            std::find_if(std::begin(kMarks), std::end(kMarks),
                         [&](const ByteOrderMark& m) { return bytes.startsWith(m.bytes); });
        if (mark != std::end(kMarks)) marked_ = mark->encoding;
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
    switch (encoding) {
        case ListEncoding::Utf8:
            return QStringLiteral("UTF-8（BOM なし）");
        case ListEncoding::Utf8Bom:
            return QStringLiteral("UTF-8（BOM あり）");
        case ListEncoding::Utf16Le:
            return QStringLiteral("UTF-16 LE（BOM あり）");
        case ListEncoding::Utf16Be:
            return QStringLiteral("UTF-16 BE（BOM あり）");
        case ListEncoding::CodePage932:
            break;
    }
    return QStringLiteral("code page 932");
}

QString decodeList(QByteArrayView bytes, ListEncoding encoding) {
    for (const ByteOrderMark& m : kMarks)
        if (m.encoding == encoding)
            return QStringDecoder(m.converter).decode(bytes.sliced(m.bytes.size()));
    if (encoding == ListEncoding::Utf8) return QStringDecoder(QStringConverter::Utf8).decode(bytes);
    return cp932().decode(bytes);
}

}  // namespace morvi::menu_tool
