#pragma once

#include <QString>
#include <cstdint>

namespace morvi {

// Fixed-point money-style number: a 64-bit count of ten-thousandths, used for the gram total so
// that sums of typed decimals stay exact to four places.
class Currency {
  public:
    constexpr Currency() = default;

    // Rounds to four decimal places, a tie going to the even neighbour; error 6 out of range.
    static Currency fromDouble(double value);

    // Up to four decimals, no trailing zeros, '-' for negatives: 162.5, 12.3457, 0.
    QString text() const;

    // Error 6 on overflow.
    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;
    constexpr bool operator==(const Currency&) const = default;

  private:
    constexpr explicit Currency(int64_t units) : units_(units) {}
    int64_t units_ = 0;
};

}  // namespace morvi
