#include "TextFile.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <system_error>

namespace quillan {

std::string readFileContents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::system_error(errno, std::generic_category(), "cannot read");
    std::string contents{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        throw std::system_error(errno, std::generic_category(), "cannot read");
    return contents;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        auto line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string formatNumber(long long value) {
    const std::string digits = std::to_string(value);
    return (value < 0 ? digits : " " + digits) + " ";
}

} // namespace quillan
