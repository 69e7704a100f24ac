#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace quillan {

// The platform's ICMP echo facility in the steps of a Winsock program. Every member returns at once:
// the steps are queued and done on the event loop in the order called, each once the one before has
// finished, so a burst never holds up the window. Failures are silent, as the keep-alive wants.
class IcmpEchoControl {
  public:
    // An IPv4 address in network byte order; 0 for none.
    using Address = std::uint32_t;

    virtual ~IcmpEchoControl() = default;

    virtual void WSAStartup() = 0;
    // Calls found with the first IPv4 address of name; a failed lookup calls nothing.
    virtual void gethostbyname(const std::string& name, std::function<void(Address)> found) = 0;
    virtual void IcmpCreateFile() = 0;
    // One echo request; destination is read when the request goes out, after the steps before it.
    // replied is called with 1 for a reply within timeoutMs, else 0.
    virtual void IcmpSendEcho(std::shared_ptr<const Address> destination, const std::string& payload,
                              int timeToLive, int timeoutMs, std::function<void(int replies)> replied) = 0;
    virtual void IcmpCloseHandle() = 0;
    virtual void WSACleanup() = 0;
};

} // namespace quillan
