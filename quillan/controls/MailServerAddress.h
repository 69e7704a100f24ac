#pragma once

#include <optional>
#include <string>

namespace quillan {

// The address libcurl is given for what the user typed as the POP server: "host", "host:port",
// "pop3://host[:port]" or "pop3s://host[:port]"; port 995 alone means implicit TLS. Nothing when the
// text cannot name a POP3 server.
std::optional<std::string> mailServerAddress(const std::string& typed);

} // namespace quillan
