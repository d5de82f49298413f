// The two number readings against strtod on the same characters, matched independently:
// - the leading number ignores blanks, tabs and line feeds anywhere and reads the longest number
//   at the start (0 when there is none); its one error is 6, for a number beyond a double;
// - field 3 of a food line is one number (commas may follow its first digit, full-width forms
//   count, spaces and U+3000 around it are dropped) rounded half to even, else error 13, or 6
//   outside 32 bits.

#include "base/number_text.h"
#include "fake_controls.h"
#include "fuzz_check.h"

#include <QRegularExpression>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace {

using morvi::fuzz::require;
using morvi::support::outcome;
using namespace std::string_literals;

// Sign, digits (and commas after the first digit, for field 3), at most one '.', at least one
// digit, and an exponent that counts only with digits.
const QRegularExpression kLeading(
    QStringLiteral(R"(^([+-]?)([0-9]*)(\.[0-9]*)?(?:[EeDd]([+-]?[0-9]+))?)"));
const QRegularExpression kField(
    QStringLiteral(R"(^([+-]?)([0-9][0-9,]*)?(\.[0-9]*)?(?:[EeDd]([+-]?[0-9]+))?\z)"));
const QRegularExpression kBlanks(QStringLiteral("[ \t\n]"));
const QRegularExpression kAround(QStringLiteral("^[ \u3000]+|[ \u3000]+\\z"));

// The match as strtod reads it; nullopt without a digit, infinity past a double.
std::optional<double> valueOf(const QRegularExpressionMatch& m) {
    const QString digits = m.captured(2).remove(u',') + m.captured(3);
    if (!m.hasMatch() || !digits.contains(QRegularExpression(QStringLiteral("[0-9]")))) return {};
    const QString written = m.captured(1) + digits + u'e' +
                            (m.captured(4).isEmpty() ? QStringLiteral("0") : m.captured(4));
    errno = 0;
    const double value = std::strtod(written.toLatin1().constData(), nullptr);
    return errno == ERANGE && std::isinf(value) ? HUGE_VAL : value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

    const double leading = valueOf(kLeading.match(QString(text).remove(kBlanks))).value_or(0);
    double got = 0;
    const std::string error = outcome([&] { return got = morvi::leadingNumber(text), ""s; });
    require(error == (std::isinf(leading) ? "error 6" : ""),
            "leading number: error 6 exactly past a double");
    require(!error.empty() || (got == leading && std::signbit(got) == std::signbit(leading)),
            "leading number: value as strtod");

    QString field = QString(text).remove(kAround);
    for (QChar& c : field)
        if (c >= QChar(0xFF0B) && c <= QChar(0xFF19) && c != QChar(0xFF0C) && c != QChar(0xFF0F))
            c = QChar(c.unicode() - 0xFF0B + u'+');
    const std::optional<double> value = valueOf(kField.match(field));
    const double whole = std::nearbyint(value.value_or(0));  // the default rounding: ties to even
    const bool fits = whole >= INT32_MIN && whole <= INT32_MAX;
    const std::string want = !value ? "error 13" : fits ? "" : "error 6";
    int32_t number = 0;
    require(outcome([&] { return number = morvi::fieldNumber(text), ""s; }) == want,
            "field number: error as the independent reading");
    require(!want.empty() || number == whole, "field number: value as strtod rounded half to even");
    return 0;
}
