#include "catcher/AddressParser.h"

#include "catcher/TextUtil.h"

#include <array>
#include <utility>

namespace ie2bl {

namespace {

// Searched in this order; the first prefix that matches wins.
constexpr std::array<std::pair<std::string_view, ServiceKind>, 14> kPrefixes{{
    {"ftp://", ServiceKind::Ftp},
    {"http://", ServiceKind::Http},
    {"gopher://", ServiceKind::Gopher},
    {"shttp://", ServiceKind::Http},
    {"file://", ServiceKind::File},
    {"mailto://", ServiceKind::Mailto},
    {"news://", ServiceKind::News},
    {"nntp://", ServiceKind::Nntp},
    {"telnet://", ServiceKind::Telnet},
    {"wais://", ServiceKind::Wais},
    {"mid://", ServiceKind::Mid},
    {"cid://", ServiceKind::Cid},
    {"prospero://", ServiceKind::Prospero},
    {"afs://", ServiceKind::Afs},
}};

constexpr std::string_view kNoFileName = "INDEX.HTM";

std::string_view withoutFragment(std::string_view path) {
    const auto hash = path.find('#');
    if (hash == std::string_view::npos)
        return path;
    return path.substr(0, hash);
}

} // namespace

ParsedAddress AddressParser::ParseAddress(std::string_view address) {
    ParsedAddress parsed;
    while (!address.empty() && text::isSpace(address.front()))
        address.remove_prefix(1);
    if (address.empty())
        return parsed;

    for (const auto& [prefix, kind] : kPrefixes) {
        if (address.substr(0, prefix.size()) != prefix)
            continue;
        const std::string_view rest = address.substr(prefix.size());
        parsed.ok = true;
        parsed.kind = kind;
        if (kind == ServiceKind::File) {
            parsed.path = rest;
            return parsed;
        }
        const auto slash = rest.find('/');
        std::string_view server = rest.substr(0, slash);
        parsed.path = slash == std::string_view::npos ? std::string_view("/") : rest.substr(slash);
        const auto colon = server.rfind(':');
        if (colon != std::string_view::npos)
            server = server.substr(0, colon);
        parsed.server = server;
        return parsed;
    }
    return parsed;
}

std::string AddressParser::GetAddressHost(std::string_view address) {
    ParsedAddress parsed = ParseAddress(address);
    return parsed.kind == ServiceKind::Unrecognised ? std::string() : std::move(parsed.server);
}

std::string AddressParser::GetAddressFileName(std::string_view address) {
    const ParsedAddress parsed = ParseAddress(address);
    if (parsed.kind == ServiceKind::Unrecognised)
        return {};

    std::string name = parsed.path;
    if (text::contains(name, "#")) {
        // A query after the fragment still counts; the fragment itself never does.
        const auto query = name.find('?');
        name = query == std::string::npos ? std::string(withoutFragment(name))
                                          : std::string(withoutFragment(name)) + name.substr(query);
    }
    if (const auto slash = name.rfind('/'); slash != std::string::npos)
        name.erase(0, slash + 1);
    if (const auto query = name.find('?'); query != std::string::npos)
        name.erase(query);
    if (const auto amp = name.find('&'); amp != std::string::npos)
        name.erase(amp);
    name = text::trimmed(name);
    return name.empty() ? std::string(kNoFileName) : name;
}

} // namespace ie2bl
