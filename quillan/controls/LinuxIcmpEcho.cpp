#include "LinuxIcmpEcho.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <utility>
#include <vector>

namespace quillan {

namespace {
// The Internet checksum (RFC 1071) over the ICMP message.
std::uint16_t checksum(const std::vector<unsigned char>& data) {
    std::uint32_t sum = 0;
    for (size_t i = 0; i + 1 < data.size(); i += 2)
        sum += static_cast<std::uint32_t>(data[i] << 8 | data[i + 1]);
    if (data.size() % 2)
        sum += static_cast<std::uint32_t>(data.back() << 8);
    while (sum >> 16)
        sum = (sum & 0xffff) + (sum >> 16);
    return static_cast<std::uint16_t>(~sum);
}
} // namespace

LinuxIcmpEcho::~LinuxIcmpEcho() {
    if (m_timer)
        m_loop.cancel(m_timer);
    closeSocket();
}

void LinuxIcmpEcho::queue(Step step) {
    m_steps.push_back(std::move(step));
    if (!m_running)
        stepDone();
}

void LinuxIcmpEcho::stepDone() {
    m_running = false;
    if (m_steps.empty())
        return;
    Step step = std::move(m_steps.front());
    m_steps.pop_front();
    m_running = true;
    step();
}

void LinuxIcmpEcho::gethostbyname(const std::string& name, std::function<void(Address)> found) {
    queue([this, name, found] {
        m_resolver.addresses(
            name, AF_INET,
            [this, found](const std::string& error, const std::vector<std::string>& addresses) {
                in_addr address{};
                if (error.empty() && ::inet_pton(AF_INET, addresses.front().c_str(), &address) == 1)
                    found(address.s_addr);
                stepDone();
            });
    });
}

void LinuxIcmpEcho::IcmpCreateFile() {
    queue([this] {
        openSocket();
        stepDone();
    });
}

void LinuxIcmpEcho::IcmpCloseHandle() {
    queue([this] {
        closeSocket();
        stepDone();
    });
}

void LinuxIcmpEcho::IcmpSendEcho(std::shared_ptr<const Address> destination, const std::string& payload,
                                 int timeToLive, int timeoutMs, std::function<void(int replies)> replied) {
    queue([this, destination, payload, timeToLive, timeoutMs, replied] {
        send(*destination, payload, timeToLive, timeoutMs, replied);
    });
}

void LinuxIcmpEcho::openSocket() {
    closeSocket();
    m_socket = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_ICMP);
    m_raw = false;
    if (m_socket < 0) {
        m_socket = ::socket(AF_INET, SOCK_RAW | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_ICMP);
        m_raw = m_socket >= 0;
    }
    // A datagram socket gets its identifier from the kernel; a raw one tells replies apart by ours.
    m_identifier = static_cast<std::uint16_t>(::getpid());
}

void LinuxIcmpEcho::closeSocket() {
    if (m_watch) {
        m_loop.unwatch(m_watch);
        m_watch = 0;
    }
    if (m_socket >= 0)
        ::close(m_socket);
    m_socket = -1;
}

void LinuxIcmpEcho::send(Address destination, const std::string& payload, int timeToLive, int timeoutMs,
                         std::function<void(int)> replied) {
    m_replied = std::move(replied);
    std::vector<unsigned char> message(8 + payload.size());
    message[0] = ICMP_ECHO;
    ++m_sequence;
    message[4] = static_cast<unsigned char>(m_identifier >> 8);
    message[5] = static_cast<unsigned char>(m_identifier);
    message[6] = static_cast<unsigned char>(m_sequence >> 8);
    message[7] = static_cast<unsigned char>(m_sequence);
    std::memcpy(message.data() + 8, payload.data(), payload.size());
    const std::uint16_t sum = checksum(message);
    message[2] = static_cast<unsigned char>(sum >> 8);
    message[3] = static_cast<unsigned char>(sum);

    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = destination;
    const bool sent =
        m_socket >= 0 && ::setsockopt(m_socket, IPPROTO_IP, IP_TTL, &timeToLive, sizeof timeToLive) == 0 &&
        ::sendto(m_socket, message.data(), message.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to) ==
            static_cast<ssize_t>(message.size());
    if (!sent) {
        // Not sent (no socket, no route, address 0): the request fails at once, as the burst expects.
        m_timer = m_loop.singleShot(0, [this] {
            m_timer = 0;
            endRequest(0);
        });
        return;
    }
    m_watch = m_loop.watchReadable(m_socket, [this] {
        if (replyArrived())
            endRequest(1);
    });
    m_timer = m_loop.singleShot(timeoutMs, [this] {
        m_timer = 0;
        endRequest(0);
    });
}

bool LinuxIcmpEcho::replyArrived() {
    unsigned char buffer[1024];
    for (;;) {
        const ssize_t got = ::recv(m_socket, buffer, sizeof buffer, 0);
        if (got < 0)
            return false;
        size_t offset = 0;
        if (m_raw) {
            if (got < 20)
                continue;
            offset = static_cast<size_t>(buffer[0] & 0x0f) * 4;
        }
        if (static_cast<size_t>(got) < offset + 8 || buffer[offset] != ICMP_ECHOREPLY)
            continue;
        const auto sequence = static_cast<std::uint16_t>(buffer[offset + 6] << 8 | buffer[offset + 7]);
        const auto identifier = static_cast<std::uint16_t>(buffer[offset + 4] << 8 | buffer[offset + 5]);
        if (sequence == m_sequence && (!m_raw || identifier == m_identifier))
            return true;
    }
}

void LinuxIcmpEcho::endRequest(int replies) {
    if (m_watch) {
        m_loop.unwatch(m_watch);
        m_watch = 0;
    }
    if (m_timer) {
        m_loop.cancel(m_timer);
        m_timer = 0;
    }
    if (m_replied)
        std::exchange(m_replied, nullptr)(replies);
    stepDone();
}

} // namespace quillan
