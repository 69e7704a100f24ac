#include "WordParser.h"

#include "CommandError.h"

namespace quillan {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

char unescape(char c) {
    switch (c) {
    case '"':
        return '"';
    case '\\':
        return '\\';
    case 'r':
        return '\r';
    case 'n':
        return '\n';
    default:
        throw CommandError(std::string("unknown escape \\") + c);
    }
}

} // namespace

bool WordParser::holdsCommand(const std::string& line) {
    for (char c : line)
        if (!isBlank(c))
            return c != '#';
    return false;
}

std::vector<std::string> WordParser::split(const std::string& line) {
    std::vector<std::string> words;
    size_t i = 0;
    const size_t n = line.size();
    while (true) {
        while (i < n && isBlank(line[i]))
            ++i;
        if (i == n)
            return words;
        std::string word;
        if (line[i] == '"') {
            ++i;
            while (true) {
                if (i == n)
                    throw CommandError("unterminated quote");
                const char c = line[i++];
                if (c == '"')
                    break;
                if (c == '\\') {
                    if (i == n)
                        throw CommandError("unterminated quote");
                    word += unescape(line[i++]);
                } else {
                    word += c;
                }
            }
            if (i < n && !isBlank(line[i]))
                throw CommandError("text after a closing quote");
        } else {
            while (i < n && !isBlank(line[i]))
                word += line[i++];
        }
        words.push_back(std::move(word));
    }
}

} // namespace quillan
