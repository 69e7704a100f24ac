#pragma once

#include "runtime/TextLines.h"

#include <string>

namespace quillan {

// A number as the program writes it on a line of its own: a blank in the sign's place (or the
// minus sign), the digits, and a blank after them: " 5 ", "-5 ".
std::string formatNumber(long long value);

} // namespace quillan
