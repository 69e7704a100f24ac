#pragma once

#include "runtime/EventLoop.h"

#include <ares.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace quillan {

struct ResolverOptions {
    // Name servers as "ADDRESS:PORT,..."; empty for the system's own (/etc/resolv.conf).
    std::string servers;
    // Per try, each try asking every server once.
    int timeoutMs = 2500;
    int tries = 2;
};

// Name and address lookups with c-ares, driven from the event loop: its sockets are watched there and
// its time-outs are single-shot timers, so a lookup never holds up the window. Answers come back on
// the loop, never inside the call that asked; a lookup that the resolver's end cuts short calls nothing.
class AresResolver {
  public:
    // error is empty on success and then addresses holds at least one, in text form.
    using AddressesFound =
        std::function<void(const std::string& error, const std::vector<std::string>& addresses)>;
    using NameFound = std::function<void(const std::string& error, const std::string& name)>;

    AresResolver(EventLoop& loop, ResolverOptions options = {});
    ~AresResolver();
    AresResolver(const AresResolver&) = delete;
    AresResolver& operator=(const AresResolver&) = delete;

    // The addresses of a name; family AF_INET for IPv4 only, AF_UNSPEC for both.
    void addresses(const std::string& name, int family, AddressesFound found);
    // The name of an address given in dotted (IPv4) or colon (IPv6) form.
    void name(const std::string& address, NameFound found);

  private:
    struct AddressesRequest;
    struct NameRequest;
    struct Watches {
        EventLoop::Id readable = 0;
        EventLoop::Id writable = 0;
    };
    static void socketState(void* self, ares_socket_t fd, int readable, int writable);
    static void addressesDone(void* request, int status, int timeouts, ares_addrinfo* result);
    static void nameDone(void* request, int status, int timeouts, char* node, char* service);
    void openChannel();
    // pppd rewrites the system's name servers as a call comes up: an idle channel then starts afresh.
    void followSystemServers();
    void process(ares_socket_t readable, ares_socket_t writable);
    // Sets the timer for the channel's next time-out, if a lookup is under way.
    void armTimeout();
    // Every answer comes through here, on the loop, never inside the call that asked.
    void later(std::function<void()> answer);

    EventLoop& m_loop;
    ResolverOptions m_options;
    ares_channel m_channel = nullptr;
    // Lookups handed to the channel and not yet answered.
    int m_pending = 0;
    // When and how big /etc/resolv.conf was as the channel read it.
    std::pair<long long, long long> m_systemServersStamp{-1, -1};
    std::string m_setupError;
    std::map<ares_socket_t, Watches> m_watches;
    EventLoop::Id m_timeout = 0;
    std::vector<EventLoop::Id> m_later;
};

} // namespace quillan
