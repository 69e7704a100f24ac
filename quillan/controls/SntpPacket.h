#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace quillan {

// SNTP version 4 (RFC 4330) client messages: the request, and the checks on a server's reply.
namespace SntpPacket {

constexpr std::size_t kSize = 48;

// A client request whose transmit time is the given NTP timestamp; the server echoes it back.
std::string request(std::uint64_t transmit);

struct Reply {
    // Empty when the reply is good; else why the server's time cannot be used.
    std::string error;
    std::time_t unixTime = 0;
};

// nullopt for a datagram that is not the answer to our request (too short, not from a server, or
// naming another request): it is passed over. Otherwise the server's time or its refusal.
std::optional<Reply> parseReply(std::string_view datagram, std::uint64_t transmit);

// The Unix time as "Tue, 08 Dec 2026 05:06:11 GMT" (RFC 1123), whatever the locale.
std::string rfc1123(std::time_t unixTime);

} // namespace SntpPacket
} // namespace quillan
