#include "Numeric.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace quillan {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Parses in the C locale: the program's locale may use another decimal separator.
locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

} // namespace

std::string trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

bool isNumeric(std::string_view text) {
    const std::string body = trimBlanks(text);
    size_t i = 0;
    if (i < body.size() && (body[i] == '+' || body[i] == '-'))
        ++i;
    size_t digits = 0;
    bool point = false;
    for (; i < body.size(); ++i) {
        if (isDigit(body[i]))
            ++digits;
        else if (body[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return false;
    if (i == body.size())
        return true;
    if (body[i] != 'e' && body[i] != 'E')
        return false;
    ++i;
    if (i < body.size() && (body[i] == '+' || body[i] == '-'))
        ++i;
    const size_t exponentStart = i;
    while (i < body.size() && isDigit(body[i]))
        ++i;
    return i > exponentStart && i == body.size();
}

std::optional<double> toNumber(std::string_view text) {
    if (!isNumeric(text))
        return std::nullopt;
    const std::string body = trimBlanks(text);
    errno = 0;
    const double value = strtod_l(body.c_str(), nullptr, cLocale());
    if (errno == ERANGE && std::isinf(value))
        return std::nullopt;
    return value;
}

std::optional<std::int16_t> toInt16(std::string_view text) {
    const auto value = toNumber(text);
    if (!value)
        return std::nullopt;
    // The default rounding mode rounds halves to the even neighbour.
    const double rounded = std::nearbyint(*value);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

} // namespace quillan
