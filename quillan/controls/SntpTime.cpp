#include "SntpTime.h"

#include "SntpPacket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <random>

namespace quillan {

SntpTime::SntpTime(EventLoop& loop, AresResolver& resolver, SntpOptions options)
    : m_loop(loop), m_resolver(resolver), m_options(std::move(options)) {}

SntpTime::~SntpTime() {
    setState(State::Idle);
}

void SntpTime::setState(State state) {
    if (state == State::Idle) {
        if (m_watch)
            m_loop.unwatch(m_watch);
        if (m_timer)
            m_loop.cancel(m_timer);
        if (m_socket >= 0)
            ::close(m_socket);
        m_watch = m_timer = 0;
        m_socket = -1;
    }
    m_state = state;
}

void SntpTime::GetTime() {
    if (m_state != State::Idle)
        return;
    setState(State::Resolving);
    m_timer = m_loop.singleShot(m_options.timeoutMs, [this] {
        m_timer = 0;
        finish("no answer from the time server " + m_options.host + " within " +
               std::to_string(m_options.timeoutMs / 1000) + " seconds");
    });
    m_resolver.addresses(m_options.host, AF_UNSPEC,
                         [this](const std::string& error, const std::vector<std::string>& found) {
                             if (m_state != State::Resolving)
                                 return; // timed out meanwhile
                             if (!error.empty())
                                 finish("cannot find the time server " + m_options.host + ": " + error);
                             else
                                 send(found.front());
                         });
}

void SntpTime::send(const std::string& address) {
    sockaddr_storage to{};
    socklen_t length = 0;
    auto* v4 = reinterpret_cast<sockaddr_in*>(&to);
    auto* v6 = reinterpret_cast<sockaddr_in6*>(&to);
    if (::inet_pton(AF_INET, address.c_str(), &v4->sin_addr) == 1) {
        v4->sin_family = AF_INET;
        v4->sin_port = htons(static_cast<std::uint16_t>(m_options.port));
        length = sizeof *v4;
    } else if (::inet_pton(AF_INET6, address.c_str(), &v6->sin6_addr) == 1) {
        v6->sin6_family = AF_INET6;
        v6->sin6_port = htons(static_cast<std::uint16_t>(m_options.port));
        length = sizeof *v6;
    }
    // Connected, so that only the server's datagrams arrive and a refusal comes back as an error.
    m_socket = ::socket(to.ss_family, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    // The transmit time doubles as the request's mark: its low bits are random.
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto seconds =
        static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::seconds>(now).count());
    m_transmit = (seconds + 2208988800u) << 32 | std::random_device{}();
    const std::string packet = SntpPacket::request(m_transmit);
    if (m_socket < 0 || ::connect(m_socket, reinterpret_cast<sockaddr*>(&to), length) != 0 ||
        ::send(m_socket, packet.data(), packet.size(), 0) != static_cast<ssize_t>(packet.size())) {
        finish("cannot send to the time server " + m_options.host + ": " + std::strerror(errno));
        return;
    }
    setState(State::Waiting);
    m_watch = m_loop.watchReadable(m_socket, [this] { readReply(); });
}

void SntpTime::readReply() {
    char buffer[512];
    for (;;) {
        const ssize_t got = ::recv(m_socket, buffer, sizeof buffer, 0);
        if (got < 0) {
            if (errno != EAGAIN && errno != EWOULDBLOCK)
                finish("the time server " + m_options.host +
                       " did not take the request: " + std::strerror(errno));
            return;
        }
        const auto reply =
            SntpPacket::parseReply(std::string_view(buffer, static_cast<size_t>(got)), m_transmit);
        if (!reply)
            continue;
        if (reply->error.empty())
            m_text = SntpPacket::rfc1123(reply->unixTime);
        finish(reply->error);
        return;
    }
}

void SntpTime::finish(const std::string& error) {
    setState(State::Idle);
    m_error = error;
    if (Done)
        Done(error.empty() ? 0 : 1);
}

} // namespace quillan
