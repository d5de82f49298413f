#include "base/cp932.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>

namespace morvi {
namespace {

// glibc's converter as an independent reference; nullopt when it rejects the input.
std::optional<QByteArray> iconvConvert(const char* to, const char* from, const QByteArray& in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    QByteArray out(in.size() * 4 + 16, '\0');
    char* inPtr = const_cast<char*>(in.constData());
    size_t inLeft = size_t(in.size());
    char* outPtr = out.data();
    size_t outLeft = size_t(out.size());
    const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    const size_t flush = iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == size_t(-1) || flush == size_t(-1)) return std::nullopt;
    out.truncate(out.size() - qsizetype(outLeft));
    return out;
}

std::optional<QString> iconvDecode(const QByteArray& bytes) {
    const auto utf16 = iconvConvert("UTF-16LE", "CP932", bytes);
    if (!utf16) return std::nullopt;
    return QString(reinterpret_cast<const QChar*>(utf16->constData()), utf16->size() / 2);
}

std::optional<QByteArray> iconvEncode(const QString& text) {
    return iconvConvert("CP932", "UTF-16LE",
                        QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2));
}

std::string hex(const QByteArray& bytes) { return bytes.toHex(' ').toStdString(); }

struct Mapping {
    QByteArray bytes;
    char32_t codePoint;
};

const Mapping kMappings[] = {
    {"\x5C", 0x005C},     {"\x7E", 0x007E},     {"\x81\x5F", 0xFF3C}, {"\x81\x60", 0xFF5E},
    {"\x81\x61", 0x2225}, {"\x81\x7C", 0xFF0D}, {"\x87\x40", 0x2460}, {"\x87\x54", 0x2160},
    {"\xFA\x40", 0x2170}, {"\xB1", 0xFF71},     {"\x82\xA0", 0x3042}, {"\x88\x9F", 0x4E9C},
    {"\x1A", 0x001A},     {"\x1C", 0x001C},     {"\x7F", 0x007F},     {"A", 0x0041},
};

TEST(Cp932, DecodesTheCodePageSpecificCharacters) {
    for (const auto& m : kMappings) {
        SCOPED_TRACE(hex(m.bytes));
        const QString expected = QString::fromUcs4(&m.codePoint, 1);
        EXPECT_EQ(iconvDecode(m.bytes), expected);
        EXPECT_EQ(cp932().decode(m.bytes), expected);
    }
}

TEST(Cp932, EncodesTheCodePageSpecificCharacters) {
    for (const auto& m : kMappings) {
        SCOPED_TRACE(hex(m.bytes));
        const QString text = QString::fromUcs4(&m.codePoint, 1);
        EXPECT_EQ(iconvEncode(text), m.bytes);
        EXPECT_EQ(cp932().encode(text), m.bytes);
    }
}

TEST(Cp932, AWholeLineMatchesTheReference) {
    const QByteArray line = "\x8B\x8D\x93\xFB,\x82\xAC\x82\xE3\x82\xA4\x82\xC9\x82\xE3\x82\xA4,120";
    ASSERT_TRUE(iconvDecode(line).has_value());
    EXPECT_EQ(cp932().decode(line), *iconvDecode(line));
    EXPECT_EQ(cp932().decode(line), u"牛乳,ぎゅうにゅう,120"_qs);
    EXPECT_EQ(cp932().encode(u"牛乳,ぎゅうにゅう,120"_qs), line);
}

TEST(Cp932, InvalidBytesBecomeReplacementCharacters) {
    const struct {
        QByteArray bytes;
        QString expected;
    } cases[] = {
        {"a\x82", u"a\uFFFD"_qs},       // lone lead byte at the end
        {"a\x82z", u"a\uFFFDz"_qs},     // no character 82 7A; the ASCII byte stays
        {"\x82\x20x", u"\uFFFD x"_qs},  // a space cannot be a trail byte
        {"\x82,50", u"\uFFFD,50"_qs},
        {"\x80", u"\uFFFD"_qs},  // unassigned single bytes
        {"\xA0", u"\uFFFD"_qs},
        {"\xFD", u"\uFFFD"_qs},
        {"\x85\x80", u"\uFFFD"_qs},   // unassigned double-byte code
        {"\x85\x40", u"\uFFFD@"_qs},  // ... whose ASCII trail is read again
        {"x\x80\x1A\x80y", u"x\uFFFD\u001A\uFFFDy"_qs},
        {"\x82\xA0\xFD\x82\xA2", u"あ\uFFFDい"_qs},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(hex(c.bytes));
        EXPECT_FALSE(iconvDecode(c.bytes).has_value());
        EXPECT_EQ(cp932().decode(c.bytes), c.expected);
    }
}

TEST(Cp932, DecodingRecoversAfterAnInvalidLine) {
    EXPECT_EQ(cp932().decode("\x80"), u"\uFFFD"_qs);
    EXPECT_EQ(cp932().decode("\x82\xA0"), u"あ"_qs);
    EXPECT_EQ(cp932().encode(u"é"_qs), "?");
    EXPECT_EQ(cp932().encode(u"あ"_qs), "\x82\xA0");
}

TEST(Cp932, UnrepresentableCharactersBecomeOneQuestionMark) {
    const struct {
        QString text;
        QByteArray expected;
    } cases[] = {
        {u"é"_qs, "?"},
        {u"a😀b"_qs, "a?b"},  // a surrogate pair is one character
        {u"¥"_qs, "?"},
        {u"あé"_qs, "\x82\xA0?"},
        {QString(QChar(0xD800)) + u"x"_qs, "?x"},  // unpaired surrogate
        {u"\u001Aé"_qs, "\x1A?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(cp932().encode(c.text), c.expected);
    }
}

}  // namespace
}  // namespace morvi
