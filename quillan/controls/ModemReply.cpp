#include "ModemReply.h"

#include <algorithm>
#include <cctype>

namespace quillan {

namespace {

std::string upperTrimmed(std::string_view line) {
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.front())))
        line.remove_prefix(1);
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())))
        line.remove_suffix(1);
    std::string out(line);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::toupper(c); });
    return out;
}

} // namespace

ModemReply ModemReply::read(std::string_view line) {
    std::string text = upperTrimmed(line);
    using K = Kind;
    if (text == "OK" || text == "0")
        return {K::Ok, {}};
    if (text == "ERROR" || text == "4")
        return {K::Error, {}};
    if (text == "BUSY" || text == "7")
        return {K::Busy, {}};
    if (text == "NO DIALTONE" || text == "NO DIAL TONE" || text == "6")
        return {K::NoDialTone, {}};
    if (text == "NO ANSWER" || text == "8")
        return {K::NoAnswer, {}};
    if (text == "NO CARRIER" || text == "3")
        return {K::NoCarrier, {}};
    if (text == "1")
        return {K::Connect, {}};
    if (text == "CONNECT" || text.starts_with("CONNECT ") || text.starts_with("CONNECT/")) {
        std::string speed;
        size_t at = text.find_first_not_of(' ', 7);
        while (at != std::string::npos && at < text.size() &&
               std::isdigit(static_cast<unsigned char>(text[at])))
            speed += text[at++];
        return {K::Connect, speed};
    }
    return {};
}

} // namespace quillan
