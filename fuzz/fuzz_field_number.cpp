// Field 3 of a food line: the conversion either gives the rounded value of the one number the
// text holds, or error 13 (not a number) or 6 (outside 32 bits), nothing else.

#include "base/number_text.h"
#include "base/run_time_error.h"
#include "fuzz_check.h"

#include <QString>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

using morvi::fuzz::require;

bool isSpace(char16_t c) { return c == u' ' || c == 0x3000; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Full-width digits, signs and full stop as ASCII; any other non-ASCII character as '?'.
char asAscii(char16_t c) {
    if (c >= 0xFF10 && c <= 0xFF19) return char('0' + (c - 0xFF10));
    if (c == 0xFF0B) return '+';
    if (c == 0xFF0D) return '-';
    if (c == 0xFF0E) return '.';
    return c < 0x80 ? char(c) : '?';
}

// The text as a C-locale number for strtod when it is one number: an optional sign, whole digits
// in which commas may follow the first digit, an optional '.' and fraction, at least one digit,
// then an optional exponent E, e, D or d with its own digits.
std::optional<std::string> plainNumber(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isSpace(text[begin].unicode())) ++begin;
    while (end > begin && isSpace(text[end - 1].unicode())) --end;
    std::string s;
    for (qsizetype i = begin; i < end; ++i) s += asAscii(text[i].unicode());

    std::string out;
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) out += s[i++];
    bool digits = false;
    for (; i < s.size() && (isDigit(s[i]) || (s[i] == ',' && digits)); ++i)
        if (s[i] != ',') out += s[i], digits = true;
    if (i < s.size() && s[i] == '.')
        for (out += s[i++]; i < s.size() && isDigit(s[i]); ++i) out += s[i], digits = true;
    if (!digits) return std::nullopt;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::string exponent = "e";
        size_t k = i + 1;
        if (k < s.size() && (s[k] == '+' || s[k] == '-')) exponent += s[k++];
        const size_t firstDigit = k;
        for (; k < s.size() && isDigit(s[k]); ++k) exponent += s[k];
        if (k > firstDigit) out += exponent, i = k;
    }
    if (i != s.size()) return std::nullopt;
    return out;
}

struct Outcome {
    int32_t error = morvi::err::kNone;
    int32_t value = 0;
};

Outcome expected(const QString& text) {
    const std::optional<std::string> number = plainNumber(text);
    if (!number) return {morvi::err::kTypeMismatch};
    errno = 0;
    const double value = std::strtod(number->c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value)) return {morvi::err::kOverflow};
    const double whole = std::nearbyint(value);  // the default rounding: ties to even
    if (whole < INT32_MIN || whole > INT32_MAX) return {morvi::err::kOverflow};
    return {morvi::err::kNone, int32_t(whole)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    Outcome got;
    try {
        got.value = morvi::fieldNumber(text);
    } catch (const morvi::RunTimeError& e) {
        got.error = e.number();
    }
    require(got.error == morvi::err::kNone || got.error == morvi::err::kTypeMismatch ||
                got.error == morvi::err::kOverflow,
            "field number: error 13 or 6 only");
    const Outcome want = expected(text);
    require(got.error == want.error, "field number: error as the independent reading");
    require(got.error != morvi::err::kNone || got.value == want.value,
            "field number: value as strtod rounded half to even");
    return 0;
}
