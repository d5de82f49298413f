// The leading-number parse: blanks, tabs and line feeds anywhere are ignored, then the longest
// number at the start is read (0 when there is none). Its value is that of strtod on the same
// characters; the one error is 6, for a number beyond a double.

#include "base/number_text.h"
#include "base/run_time_error.h"
#include "fuzz_check.h"

#include <QString>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using morvi::fuzz::require;

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isIgnored(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }

// The longest leading number of the packed text in C-locale form, empty when there is none.
std::string leadingPart(const QString& text) {
    std::u16string s;
    for (QChar c : text)
        if (!isIgnored(c.unicode())) s += c.unicode();
    std::string out;
    size_t i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) out += char(s[i++]);
    bool digits = false;
    for (; i < s.size() && isDigit(s[i]); ++i) out += char(s[i]), digits = true;
    if (i < s.size() && s[i] == u'.')
        for (out += char(s[i++]); i < s.size() && isDigit(s[i]); ++i)
            out += char(s[i]), digits = true;
    if (!digits) return {};
    if (i < s.size() && (s[i] == u'E' || s[i] == u'e' || s[i] == u'D' || s[i] == u'd')) {
        std::string exponent = "e";
        size_t k = i + 1;
        if (k < s.size() && (s[k] == u'+' || s[k] == u'-')) exponent += char(s[k++]);
        const size_t firstDigit = k;
        for (; k < s.size() && isDigit(s[k]); ++k) exponent += char(s[k]);
        if (k > firstDigit) out += exponent;
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    int32_t error = morvi::err::kNone;
    double got = 0.0;
    try {
        got = morvi::leadingNumber(text);
    } catch (const morvi::RunTimeError& e) {
        error = e.number();
    }
    require(error == morvi::err::kNone || error == morvi::err::kOverflow,
            "leading number: error 6 only");

    const std::string number = leadingPart(text);
    errno = 0;
    const double want = number.empty() ? 0.0 : std::strtod(number.c_str(), nullptr);
    const bool overflows = errno == ERANGE && std::isinf(want);
    require((error == morvi::err::kOverflow) == overflows,
            "leading number: error 6 exactly when strtod overflows");
    require(std::isfinite(got), "leading number: a finite value");
    if (!overflows)
        require(got == want && std::signbit(got) == std::signbit(want),
                "leading number: value as strtod");
    return 0;
}
