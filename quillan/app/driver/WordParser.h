#pragma once

#include <string>
#include <vector>

namespace quillan {

// Splits a command line into words at blanks. A word that starts with a double quote runs to the
// matching quote and may hold blanks and the escapes \" \\ \r \n; elsewhere a backslash is plain.
class WordParser {
  public:
    // Empty lines and lines whose first non-blank is # hold no command.
    static bool holdsCommand(const std::string& line);
    // Throws CommandError on an unterminated quote, an unknown escape or text glued to a closing quote.
    static std::vector<std::string> split(const std::string& line);
};

} // namespace quillan
