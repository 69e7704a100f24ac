#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace quillan {

// A setting held as a 16-bit number once the user has edited its box in this run,
// and as the trimmed text of its line after loading.
using NumberOrText = std::variant<std::int16_t, std::string>;

} // namespace quillan
