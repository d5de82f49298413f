#include "base/currency.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "base/run_time_error.h"

namespace morvi {

namespace {

constexpr int kDecimals = 4;
constexpr int kMaxUnitDigits = 19;  // 2^63 has 19 digits

// Rounds |value| to ten-thousandths, half to even, on the shortest decimal that reads back as
// value: 12.34567 and 0.00015 round as written, not as their nearest binary values.
uint64_t roundedUnits(double magnitude) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific);
    const std::string text(buffer.data(), result.ptr);  // d[.ddd]e±XX
    const auto e = text.find('e');
    const std::string digits = text.substr(0, 1) + (e > 1 ? text.substr(2, e - 2) : "");
    const int kept = std::stoi(text.substr(e + 1)) + 1 + kDecimals;  // digits left of the cut
    if (kept > kMaxUnitDigits) throw RunTimeError(err::kOverflow);
    if (kept < 0) return 0;

    uint64_t units = 0;
    for (int i = 0; i < kept; ++i)
        units = units * 10 + (size_t(i) < digits.size() ? uint64_t(digits[size_t(i)] - '0') : 0);
    if (size_t(kept) >= digits.size()) return units;
    const char first = digits[size_t(kept)];
    const bool beyondHalf = digits.find_first_not_of('0', size_t(kept) + 1) != std::string::npos;
    if (first > '5' || (first == '5' && (beyondHalf || units % 2 == 1))) ++units;
    return units;
}

}  // namespace

Currency Currency::fromDouble(double value) {
    if (!std::isfinite(value)) throw RunTimeError(err::kOverflow);
    const uint64_t units = roundedUnits(std::fabs(value));
    constexpr auto kMax = uint64_t(std::numeric_limits<int64_t>::max());
    if (units > kMax) throw RunTimeError(err::kOverflow);
    return Currency(value < 0 ? -int64_t(units) : int64_t(units));
}

QString Currency::text() const {
    // Unsigned so that the most negative count has a magnitude too.
    const uint64_t magnitude = units_ < 0 ? 0 - uint64_t(units_) : uint64_t(units_);
    std::string out = (units_ < 0 ? "-" : "") + std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(magnitude % 10000 + 10000).substr(1);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    if (!fraction.empty()) out += '.' + fraction;
    return QString::fromLatin1(out);
}

Currency Currency::operator+(Currency other) const {
    int64_t sum = 0;
    if (__builtin_add_overflow(units_, other.units_, &sum)) throw RunTimeError(err::kOverflow);
    return Currency(sum);
}

Currency Currency::operator-(Currency other) const {
    int64_t difference = 0;
    if (__builtin_sub_overflow(units_, other.units_, &difference))
        throw RunTimeError(err::kOverflow);
    return Currency(difference);
}

}  // namespace morvi
