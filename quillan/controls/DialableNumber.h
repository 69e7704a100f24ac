#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillan {

// The number as a modem dials it: blanks, dashes, dots and brackets dropped. None when it holds
// anything else than digits and dial modifiers, which could end the dial command and start another.
std::optional<std::string> dialableNumber(std::string_view written);

} // namespace quillan
