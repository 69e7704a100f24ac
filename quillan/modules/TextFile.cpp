#include "TextFile.h"

namespace quillan {

std::string formatNumber(long long value) {
    const std::string digits = std::to_string(value);
    return (value < 0 ? digits : " " + digits) + " ";
}

} // namespace quillan
