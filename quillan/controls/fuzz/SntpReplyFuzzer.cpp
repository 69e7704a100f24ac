// Hands the time query arbitrary datagrams as replies; a reply is taken only when it names our
// request, and a taken time always prints as an RFC 1123 date.
#include "controls/SntpPacket.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string datagram(reinterpret_cast<const char*>(data), size);
    const std::uint64_t transmit = 0xE9A1B2C3D4E5F607u;
    const auto reply = quillan::SntpPacket::parseReply(datagram, transmit);
    if (!reply)
        return 0;
    if (datagram.size() < quillan::SntpPacket::kSize ||
        datagram.compare(24, 8, quillan::SntpPacket::request(transmit), 40, 8) != 0)
        std::abort();
    if (reply->error.empty() && quillan::SntpPacket::rfc1123(reply->unixTime).size() != 29)
        std::abort();
    return 0;
}
