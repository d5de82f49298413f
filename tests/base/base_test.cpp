// The value rules, one row per case: the rule, its input and the text of what it gives.
#include "base/cp932.h"
#include "base/currency.h"
#include "base/number_text.h"
#include "base/rounding.h"
#include "base/trim.h"
#include "fake_controls.h"

#include <gtest/gtest.h>
#include <functional>
#include <map>

namespace morvi {
namespace {

using Rule = std::function<std::string(const std::string&)>;

QString q(const std::string& s) { return QString::fromStdString(s); }
std::string s(const QString& text) { return text.toStdString(); }
double d(const std::string& x) { return q(x).toDouble(); }
std::string n(double v) { return s(QString::number(v, 'g', 17)); }

const std::map<std::string, Rule> kRules = {
    {"round", [](auto& x) { return n(roundHalfEven(d(x))); }},
    {"int32", [](auto& x) { return std::to_string(toInt32(d(x))); }},
    {"int16", [](auto& x) { return std::to_string(toInt16(int64_t(d(x)))); }},
    {"currency", [](auto& x) { return s(Currency::fromDouble(d(x)).text()); }},
    {"leading", [](auto& x) { return n(leadingNumber(q(x))); }},
    {"strict", [](auto& x) { return n(strictNumber(q(x))); }},
    {"general", [](auto& x) { return s(generalNumberText(d(x))); }},
    {"field", [](auto& x) { return std::to_string(fieldNumber(q(x))); }},
    {"trim", [](auto& x) { return '[' + s(trimSpaces(q(x))) + ']'; }},
    {"decode", [](auto& x) { return s(cp932().decode(QByteArray::fromStdString(x))); }},
    {"encode", [](auto& x) { return cp932().encode(q(x)).toStdString(); }},
};

struct Row {
    const char* rule;
    const char* input;
    const char* expected;
};

const Row kRows[] = {
    {"round", "2.5", "2"},
    {"round", "3.5", "4"},
    {"round", "-2.5", "-2"},
    {"round", "0.49999999999999994", "0"},
    {"int32", "2147483647.4", "2147483647"},
    {"int32", "2147483647.5", "error 6"},
    {"int32", "-2147483648.5", "-2147483648"},
    {"int32", "nan", "error 6"},
    {"int16", "32767", "32767"},
    {"int16", "32768", "error 6"},
    {"currency", "0.00015", "0.0002"},
    {"currency", "0.00025", "0.0002"},
    {"currency", "-12.34565", "-12.3456"},
    {"currency", "0.30000000000000004", "0.3"},
    {"currency", "922337203685477.625", "error 6"},
    {"leading", "- 1 2\t3\n4", "-1234"},
    {"leading", "2d2", "200"},
    {"leading", "12e+", "12"},
    {"leading", "1e-400", "0"},
    {"leading", "1e400", "error 6"},
    {"leading", "１２", "0"},
    {"strict", " .5 ", "0.5"},
    {"strict", "1,000", "error 13"},
    {"general", "1e15", "1E+15"},
    {"general", "0.000015", "1.5E-05"},
    {"general", "0.6666666666666666", "0.666666666666667"},
    {"general", "inf", "error 6"},
    {"field", "\u3000150\u3000", "150"},
    {"field", "1,234,567", "1234567"},
    {"field", "－１２０", "-120"},
    {"field", "＋１２．５", "12"},
    {"field", "", "error 13"},
    {"field", ",5", "error 13"},
    {"field", "\t5", "error 13"},
    {"trim", "\u3000食パン\u3000 ", "[食パン]"},
    {"trim", "\tりんご\u00A0", "[\tりんご\u00A0]"},
    {"decode", "\x81\x60\x87\x40\xFA\x40\xB1", "～①ⅰｱ"},
    {"decode", "\x1A\x1C\x7F\xB1\x82\xA0", "\x1A\x1C\x7Fｱあ"},
    {"decode", "a\x82z", "a\uFFFDz"},
    {"decode", "\x82\xA0\xFD\x82\xA2", "あ\uFFFDい"},
    {"encode", "～①ｱ", "\x81\x60\x87\x40\xB1"},
    {"encode", "a😀é¥b", "a???b"},
    {"encode", "\x1A\x7F", "\x1A\x7F"},
};

TEST(ValueRules, EachRowGivesItsText) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(std::string(row.rule) + "(" + row.input + ")");
        EXPECT_EQ(support::outcome([&] { return kRules.at(row.rule)(row.input); }), row.expected);
    }
}

}  // namespace
}  // namespace morvi
