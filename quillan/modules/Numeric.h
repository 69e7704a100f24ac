#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillan {

// Blanks are spaces, as the classic runtime's trim sees them.
std::string trimBlanks(std::string_view text);

// The classic numeric test: optional surrounding blanks, an optional sign, digits with at most one
// decimal point (at least one digit), and an optional exponent ("e" or "E", optional sign, digits).
// The decimal point is always "." whatever the locale. An empty or blank text fails.
bool isNumeric(std::string_view text);

// The value of a text that passes isNumeric, else nullopt. A value too large for a double is nullopt;
// one too small to represent reads as zero.
std::optional<double> toNumber(std::string_view text);

// Trimmed, numeric, rounded to the nearest integer with halves to the even neighbour;
// nullopt when the text is not numeric or the rounded value is outside -32768..32767.
std::optional<std::int16_t> toInt16(std::string_view text);

} // namespace quillan
