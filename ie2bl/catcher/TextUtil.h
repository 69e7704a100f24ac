#pragma once

#include <string>
#include <string_view>

namespace ie2bl::text {

bool isSpace(char c);
std::string_view trimmed(std::string_view text);
// Upper case of the ASCII letters; other bytes of the code page are left alone.
std::string upperCased(std::string_view text);
bool startsWithIgnoringCase(std::string_view text, std::string_view prefix);
bool equalIgnoringCase(std::string_view a, std::string_view b);
bool contains(std::string_view text, std::string_view part);

} // namespace ie2bl::text
