#pragma once

#include <string_view>
#include <vector>

namespace quillan {

// Lines ended by CR LF, LF or a lone CR, without their ends; a last line without an end counts too.
std::vector<std::string_view> splitLines(std::string_view text);

// The text without a leading UTF-8 byte-order mark, which some editors put at the start of a file.
std::string_view withoutByteOrderMark(std::string_view text);

// Why the text is not plain 8-bit text (UTF-16 or binary), as a phrase for the user, or "".
const char* notPlainTextReason(std::string_view text);

} // namespace quillan
