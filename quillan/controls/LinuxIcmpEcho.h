#pragma once

#include "AresResolver.h"
#include "IcmpEchoControl.h"
#include "runtime/EventLoop.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>

namespace quillan {

// ICMP echo on Linux: an unprivileged ICMP datagram socket where net.ipv4.ping_group_range holds the
// user's group, else a raw socket where the process may open one, else none (every request then fails
// at once). The steps run one after another on the event loop; a request waits for its reply or its
// time-out before the next goes out.
class LinuxIcmpEcho : public IcmpEchoControl {
  public:
    LinuxIcmpEcho(EventLoop& loop, AresResolver& resolver) : m_loop(loop), m_resolver(resolver) {}
    ~LinuxIcmpEcho() override;
    LinuxIcmpEcho(const LinuxIcmpEcho&) = delete;
    LinuxIcmpEcho& operator=(const LinuxIcmpEcho&) = delete;

    // Nothing to register on this platform: the resolver lives as long as the program.
    void WSAStartup() override {}
    void gethostbyname(const std::string& name, std::function<void(Address)> found) override;
    void IcmpCreateFile() override;
    void IcmpSendEcho(std::shared_ptr<const Address> destination, const std::string& payload, int timeToLive,
                      int timeoutMs, std::function<void(int replies)> replied) override;
    void IcmpCloseHandle() override;
    void WSACleanup() override {}

    // Whether the steps queued so far have all run.
    bool idle() const { return !m_running && m_steps.empty(); }

  private:
    using Step = std::function<void()>;
    void queue(Step step);
    // Ends the running step and starts the next one.
    void stepDone();
    void openSocket();
    void closeSocket();
    void send(Address destination, const std::string& payload, int timeToLive, int timeoutMs,
              std::function<void(int)> replied);
    // Reads what arrived; true when it was the reply to the request waiting.
    bool replyArrived();
    void endRequest(int replies);

    EventLoop& m_loop;
    AresResolver& m_resolver;
    std::deque<Step> m_steps;
    bool m_running = false;
    int m_socket = -1;
    bool m_raw = false;
    std::uint16_t m_identifier = 0;
    std::uint16_t m_sequence = 0;
    EventLoop::Id m_watch = 0;
    EventLoop::Id m_timer = 0;
    std::function<void(int)> m_replied;
};

} // namespace quillan
