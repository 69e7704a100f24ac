#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillan {

// The whole file as bytes; throws std::system_error ("cannot read: <reason>") when it cannot be read.
std::string readFileContents(const std::filesystem::path& file);

// Lines ended by CR LF or by LF alone, without their ends; a last line without an end counts too.
std::vector<std::string_view> splitLines(std::string_view text);

// A number as the program writes it on a line of its own: a blank in the sign's place (or the
// minus sign), the digits, and a blank after them: " 5 ", "-5 ".
std::string formatNumber(long long value);

} // namespace quillan
