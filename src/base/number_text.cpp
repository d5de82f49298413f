#include "base/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "base/rounding.h"
#include "base/run_time_error.h"
#include "base/trim.h"

namespace morvi {

namespace {

// A number as written: sign, the digits before and after the decimal point and the exponent.
struct WrittenNumber {
    bool negative = false;
    std::string wholeDigits;
    std::string fractionDigits;
    int64_t exponent = 0;
    qsizetype end = 0;  // index just past the last character that belongs to the number

    bool hasDigits() const { return !wholeDigits.empty() || !fractionDigits.empty(); }
};

// Exponents beyond this overflow or underflow every double whatever the digits.
constexpr int64_t kExponentCap = 1'000'000;

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isExponentMark(QChar c) { return c == u'E' || c == u'e' || c == u'D' || c == u'd'; }

QChar charAt(QStringView text, qsizetype k) { return k < text.size() ? text[k] : QChar(); }

// An exponent mark, an optional sign and digits from index i; returns the index past them, or
// i itself when no digits follow the mark (the mark then is not part of the number).
qsizetype scanExponent(QStringView text, qsizetype i, int64_t& exponent) {
    if (!isExponentMark(charAt(text, i))) return i;
    qsizetype k = i + 1;
    const bool negative = charAt(text, k) == u'-';
    if (charAt(text, k) == u'+' || charAt(text, k) == u'-') ++k;
    if (!isDigit(charAt(text, k))) return i;
    for (; isDigit(charAt(text, k)); ++k)
        exponent = std::min(exponent * 10 + (charAt(text, k).unicode() - u'0'), kExponentCap);
    if (negative) exponent = -exponent;
    return k;
}

// Reads sign, digits, at most one '.', and an exponent from the start of text, stopping at the
// first character that does not fit.
WrittenNumber scanNumber(QStringView text, bool thousandsSeparators) {
    WrittenNumber n;
    qsizetype i = 0;
    const auto at = [text](qsizetype k) { return charAt(text, k); };
    if (at(i) == u'+' || at(i) == u'-') n.negative = at(i++) == u'-';
    for (; isDigit(at(i)) || (thousandsSeparators && at(i) == u',' && !n.wholeDigits.empty()); ++i)
        if (at(i) != u',') n.wholeDigits += char(at(i).unicode());
    if (at(i) == u'.')
        for (++i; isDigit(at(i)); ++i) n.fractionDigits += char(at(i).unicode());
    n.end = n.hasDigits() ? scanExponent(text, i, n.exponent) : i;
    return n;
}

// Decimal exponent of the leading nonzero digit; decides overflow against underflow.
int64_t magnitude(const WrittenNumber& n) {
    const auto firstWhole = n.wholeDigits.find_first_not_of('0');
    if (firstWhole != std::string::npos)
        return n.exponent + int64_t(n.wholeDigits.size() - firstWhole) - 1;
    const auto firstFraction = n.fractionDigits.find_first_not_of('0');
    return n.exponent - int64_t(firstFraction) - 1;
}

// Error 6 when the number does not fit a double; a number too small for one is 0.
double toDouble(const WrittenNumber& n) {
    if (n.wholeDigits.find_first_not_of('0') == std::string::npos &&
        n.fractionDigits.find_first_not_of('0') == std::string::npos)
        return n.negative ? -0.0 : 0.0;
    const std::string written = (n.wholeDigits.empty() ? std::string("0") : n.wholeDigits) + '.' +
                                n.fractionDigits + 'e' + std::to_string(n.exponent);
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(written.data(), written.data() + written.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (magnitude(n) > 0) throw RunTimeError(err::kOverflow);
        value = 0.0;
    }
    return n.negative ? -value : value;
}

bool isLeadingBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }

// Full-width digits, signs and full stop read as their ASCII forms.
QChar halfWidth(QChar c) {
    const char16_t u = c.unicode();
    if (u >= 0xFF10 && u <= 0xFF19) return QChar(u'0' + (u - 0xFF10));
    if (u == 0xFF0B) return u'+';
    if (u == 0xFF0D) return u'-';
    if (u == 0xFF0E) return u'.';
    return c;
}

}  // namespace

double leadingNumber(QStringView text) {
    QString packed;
    packed.reserve(text.size());
    for (QChar c : text)
        if (!isLeadingBlank(c)) packed += c;
    const WrittenNumber n = scanNumber(packed, false);
    return n.hasDigits() ? toDouble(n) : 0.0;
}

double strictNumber(QStringView text) {
    const QString trimmed = trimSpaces(text);
    const WrittenNumber n = scanNumber(trimmed, false);
    if (!n.hasDigits() || n.end != trimmed.size()) throw RunTimeError(err::kTypeMismatch);
    return toDouble(n);
}

QString generalNumberText(double value) {
    if (!std::isfinite(value)) throw RunTimeError(err::kOverflow);
    // printf's %.15G, but with '.' whatever the locale's decimal point.
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data()).toUpper();
}

int32_t fieldNumber(QStringView text) {
    QString normalised = trimSpaces(text);
    std::transform(normalised.begin(), normalised.end(), normalised.begin(), halfWidth);
    const WrittenNumber n = scanNumber(normalised, true);
    if (!n.hasDigits() || n.end != normalised.size()) throw RunTimeError(err::kTypeMismatch);
    return toInt32(toDouble(n));
}

}  // namespace morvi
