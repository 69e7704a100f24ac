#include "SntpPacket.h"

#include <cstdio>

namespace quillan::SntpPacket {

namespace {
constexpr std::uint64_t kUnixEpochInNtpSeconds = 2208988800u;

std::uint64_t readTimestamp(std::string_view data, std::size_t at) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < 8; ++i)
        value = value << 8 | static_cast<unsigned char>(data[at + i]);
    return value;
}
} // namespace

std::string request(std::uint64_t transmit) {
    std::string packet(kSize, '\0');
    packet[0] = static_cast<char>(0 << 6 | 4 << 3 | 3); // no leap warning, version 4, client
    for (std::size_t i = 0; i < 8; ++i)
        packet[40 + i] = static_cast<char>(transmit >> (56 - 8 * i));
    return packet;
}

std::optional<Reply> parseReply(std::string_view datagram, std::uint64_t transmit) {
    if (datagram.size() < kSize)
        return std::nullopt;
    const auto first = static_cast<unsigned char>(datagram[0]);
    const int leap = first >> 6;
    const int version = first >> 3 & 7;
    const int mode = first & 7;
    if (mode != 4 || version < 1 || readTimestamp(datagram, 24) != transmit)
        return std::nullopt;
    const auto stratum = static_cast<unsigned char>(datagram[1]);
    if (stratum == 0) {
        std::string code(datagram.substr(12, 4));
        for (char& c : code)
            if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7e)
                c = '?';
        return Reply{"the time server turned the request away (code " + code + "); try again later", 0};
    }
    const std::uint64_t serverTransmit = readTimestamp(datagram, 40);
    if (leap == 3 || stratum > 15 || serverTransmit == 0)
        return Reply{"the time server does not know the time itself yet; try again later", 0};
    std::uint64_t seconds = serverTransmit >> 32;
    // RFC 4330 section 3: with the top bit clear the time is in the era that began in 2036.
    if (!(seconds & 0x80000000u))
        seconds += 0x100000000u;
    return Reply{"", static_cast<std::time_t>(seconds - kUnixEpochInNtpSeconds)};
}

std::string rfc1123(std::time_t unixTime) {
    static const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::tm utc{};
    if (!gmtime_r(&unixTime, &utc))
        return "";
    char text[40];
    std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d GMT", days[utc.tm_wday], utc.tm_mday,
                  months[utc.tm_mon], utc.tm_year + 1900, utc.tm_hour, utc.tm_min, utc.tm_sec);
    return text;
}

} // namespace quillan::SntpPacket
