#include "MailServerAddress.h"

#include <algorithm>
#include <cctype>

namespace quillan {

namespace {

bool isHostText(const std::string& host) {
    if (host.empty())
        return false;
    return std::all_of(host.begin(), host.end(), [](unsigned char c) {
        return std::isalnum(c) || c == '.' || c == '-' || c == '_' || c == ':' || c == '[' || c == ']';
    });
}

bool isPort(const std::string& text) {
    return !text.empty() && text.size() <= 5 && std::all_of(text.begin(), text.end(), ::isdigit) &&
           std::stoi(text) > 0 && std::stoi(text) < 65536;
}

} // namespace

std::optional<std::string> mailServerAddress(const std::string& typed) {
    std::string text = typed;
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.pop_back();
    text.erase(0, std::min(text.find_first_not_of(" \t"), text.size()));

    std::string scheme = "pop3";
    if (auto sep = text.find("://"); sep != std::string::npos) {
        scheme = text.substr(0, sep);
        std::transform(scheme.begin(), scheme.end(), scheme.begin(), ::tolower);
        if (scheme != "pop3" && scheme != "pop3s")
            return std::nullopt;
        text.erase(0, sep + 3);
        if (!text.empty() && text.back() == '/')
            text.pop_back();
    }

    // A bare IPv6 address has colons of its own and no port.
    std::string host = text;
    std::string port;
    if (std::count(text.begin(), text.end(), ':') > 1 && text.front() != '[') {
        host = "[" + text + "]";
    } else if (auto colon = text.rfind(':');
               colon != std::string::npos && text.find(']', colon) == std::string::npos) {
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
        if (!isPort(port))
            return std::nullopt;
    }
    if (!isHostText(host))
        return std::nullopt;
    if (port == "995")
        scheme = "pop3s";
    return scheme + "://" + host + (port.empty() ? "" : ":" + port) + "/";
}

} // namespace quillan
