#include "Money.h"

#include "Numeric.h"

#include <cmath>
#include <limits>

namespace quillan {

namespace {

constexpr int kDecimals = 4;
constexpr double kTwoTo63 = 9223372036854775808.0;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A numeric text split into its digits and the power of ten of the last digit.
struct Decimal {
    bool negative = false;
    std::string digits;
    long long exponent = 0;
};

Decimal decompose(const std::string& text) {
    Decimal decimal;
    size_t i = 0;
    if (text[i] == '+' || text[i] == '-')
        decimal.negative = text[i++] == '-';
    bool afterPoint = false;
    for (; i < text.size() && (isDigit(text[i]) || text[i] == '.'); ++i) {
        if (text[i] == '.') {
            afterPoint = true;
            continue;
        }
        decimal.digits += text[i];
        if (afterPoint)
            --decimal.exponent;
    }
    if (i < text.size()) { // an exponent; saturating keeps absurd ones absurd
        ++i;
        bool negativeExponent = false;
        if (text[i] == '+' || text[i] == '-')
            negativeExponent = text[i++] == '-';
        long long written = 0;
        for (; i < text.size(); ++i)
            written = std::min(written * 10 + (text[i] - '0'), 1'000'000'000LL);
        decimal.exponent += negativeExponent ? -written : written;
    }
    const auto firstSignificant = decimal.digits.find_first_not_of('0');
    decimal.digits.erase(0, firstSignificant == std::string::npos ? decimal.digits.size() : firstSignificant);
    return decimal;
}

// Whether the dropped digits round the kept value away from zero: over half, or exactly half
// with an odd kept value.
bool roundsUp(std::string_view dropped, bool keptIsOdd) {
    if (dropped.empty() || dropped[0] < '5')
        return false;
    if (dropped[0] > '5' || dropped.find_first_not_of('0', 1) != std::string_view::npos)
        return true;
    return keptIsOdd;
}

} // namespace

std::optional<Money> Money::fromDouble(double dollars) {
    const double scaled = std::nearbyint(dollars * kScale);
    if (!std::isfinite(scaled) || scaled >= kTwoTo63 || scaled < -kTwoTo63)
        return std::nullopt;
    return Money(static_cast<std::int64_t>(scaled));
}

std::optional<Money> Money::parse(std::string_view text) {
    if (!isNumeric(text))
        return std::nullopt;
    const Decimal decimal = decompose(trimBlanks(text));
    // The value in units is digits × 10^shift.
    const long long shift = decimal.exponent + kDecimals;
    const long long kept = static_cast<long long>(decimal.digits.size()) + std::min(shift, 0LL);
    // No significant digit, or none within half a unit of the point.
    if (decimal.digits.empty() || kept < 0)
        return Money();
    unsigned long long magnitude = 0;
    const auto keptDigits =
        std::string_view(decimal.digits).substr(0, static_cast<size_t>(std::max(kept, 0LL)));
    for (char digit : keptDigits)
        if (__builtin_mul_overflow(magnitude, 10ULL, &magnitude) ||
            __builtin_add_overflow(magnitude, static_cast<unsigned long long>(digit - '0'), &magnitude))
            return std::nullopt;
    for (long long zeros = shift; zeros > 0; --zeros)
        if (__builtin_mul_overflow(magnitude, 10ULL, &magnitude))
            return std::nullopt;
    if (roundsUp(std::string_view(decimal.digits).substr(keptDigits.size()), magnitude % 2 == 1))
        ++magnitude;
    const unsigned long long limit = decimal.negative ? 1ULL << 63 : (1ULL << 63) - 1;
    if (magnitude > limit)
        return std::nullopt;
    return Money(decimal.negative ? static_cast<std::int64_t>(0ULL - magnitude)
                                  : static_cast<std::int64_t>(magnitude));
}

std::optional<Money> Money::times(std::int64_t factor) const {
    std::int64_t product = 0;
    if (__builtin_mul_overflow(m_units, factor, &product))
        return std::nullopt;
    return Money(product);
}

std::string Money::text() const {
    const unsigned long long magnitude = m_units < 0 ? 0ULL - static_cast<unsigned long long>(m_units)
                                                     : static_cast<unsigned long long>(m_units);
    std::string result = (m_units < 0 ? "-" : "") + std::to_string(magnitude / kScale);
    std::string fraction = std::to_string(magnitude % kScale + kScale).substr(1);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    if (!fraction.empty())
        result += "." + fraction;
    return result;
}

std::optional<Money> parseRate(const NumberOrText& dollars, const std::string& cents) {
    const auto* number = std::get_if<std::int16_t>(&dollars);
    const std::string dollarText = number ? std::to_string(*number) : std::get<std::string>(dollars);
    return Money::parse(dollarText + "." + cents);
}

} // namespace quillan
