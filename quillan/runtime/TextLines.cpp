#include "TextLines.h"

namespace quillan {

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1));
    }
    return lines;
}

std::string_view withoutByteOrderMark(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    return text;
}

const char* notPlainTextReason(std::string_view text) {
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF"))
        return "it is saved as UTF-16 text; save it again as plain text (UTF-8 or ANSI)";
    if (text.find('\0') != std::string_view::npos)
        return "it holds NUL bytes, so it is not plain text (UTF-16 without a mark, or a binary file); save "
               "it "
               "again as plain text (UTF-8 or ANSI)";
    return "";
}

} // namespace quillan
