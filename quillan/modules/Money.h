#pragma once

#include "NumberOrText.h"

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillan {

// An amount of money in dollars, held exactly to four decimal places (units of 1/10000).
class Money {
  public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(std::int64_t units) { return Money(units); }
    // Rounded to the nearest 1/10000, ties to even; nullopt when not finite or out of range.
    static std::optional<Money> fromDouble(double dollars);
    // A text that passes the numeric test, read exactly and rounded like fromDouble.
    static std::optional<Money> parse(std::string_view text);

    constexpr std::int64_t units() const { return m_units; }
    double toDouble() const { return static_cast<double>(m_units) / kScale; }
    // nullopt when the product is out of range.
    std::optional<Money> times(std::int64_t factor) const;
    // Up to four decimals without trailing zeros: "0.5", "1.0833", "2", "-0.25".
    std::string text() const;

    friend constexpr auto operator<=>(Money, Money) = default;

  private:
    constexpr explicit Money(std::int64_t units) : m_units(units) {}
    std::int64_t m_units = 0;
};

// The call rate: the dollars, a point and the cents as one decimal number ("2" and "50" give 2.50).
// nullopt when that text is not a number or the amount is out of range.
std::optional<Money> parseRate(const NumberOrText& dollars, const std::string& cents);

} // namespace quillan
