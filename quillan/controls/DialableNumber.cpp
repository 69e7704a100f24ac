#include "DialableNumber.h"

namespace quillan {

namespace {
constexpr std::string_view kLayout = " -.()";
constexpr std::string_view kDialable = "0123456789*#+,!@WwPpTtABCDabcd";
} // namespace

std::optional<std::string> dialableNumber(std::string_view written) {
    std::string number;
    for (char c : written) {
        if (kLayout.find(c) != std::string_view::npos)
            continue;
        if (kDialable.find(c) == std::string_view::npos)
            return std::nullopt;
        number += c;
    }
    return number;
}

} // namespace quillan
