#include "TcpLineQuery.h"

#include "ControlError.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace quillan {

TcpLineQuery::TcpLineQuery(EventLoop& loop, AresResolver& resolver, int timeoutMs)
    : m_loop(loop), m_resolver(resolver), m_timeoutMs(timeoutMs) {}

TcpLineQuery::~TcpLineQuery() {
    setState(State::Idle);
}

void TcpLineQuery::setState(State state) {
    if (m_watch)
        m_loop.unwatch(m_watch);
    m_watch = 0;
    if (state == State::Idle) {
        if (m_timer)
            m_loop.cancel(m_timer);
        if (m_socket >= 0)
            ::close(m_socket);
        m_timer = 0;
        m_socket = -1;
    }
    m_state = state;
}

void TcpLineQuery::start(const std::string& host, int port, const std::string& question, Finished finished) {
    setState(State::Idle);
    m_answer.clear();
    m_host = host;
    m_port = port;
    // One line only: a line break typed into the question must not become a second request.
    m_question.clear();
    for (char c : question)
        if (c != '\r' && c != '\n')
            m_question += c;
    m_finished = std::move(finished);
    setState(State::Resolving);
    m_timer = m_loop.singleShot(m_timeoutMs, [this] {
        m_timer = 0;
        finish("no complete answer from " + m_host + " within " + std::to_string(m_timeoutMs / 1000) +
               " seconds");
    });
    const unsigned query = ++m_query;
    m_resolver.addresses(host, AF_UNSPEC,
                         [this, query](const std::string& error, const std::vector<std::string>& found) {
                             if (query != m_query || m_state != State::Resolving)
                                 return;
                             if (!error.empty()) {
                                 finish("cannot find " + m_host + ": " + error);
                                 return;
                             }
                             m_addresses = found;
                             m_nextAddress = 0;
                             m_lastConnectError = "no address to connect to";
                             connectOrFail();
                         });
}

bool TcpLineQuery::connectNext() {
    while (m_nextAddress < m_addresses.size()) {
        const std::string& address = m_addresses[m_nextAddress++];
        sockaddr_storage to{};
        socklen_t length = 0;
        auto* v4 = reinterpret_cast<sockaddr_in*>(&to);
        auto* v6 = reinterpret_cast<sockaddr_in6*>(&to);
        if (::inet_pton(AF_INET, address.c_str(), &v4->sin_addr) == 1) {
            v4->sin_family = AF_INET;
            v4->sin_port = htons(static_cast<std::uint16_t>(m_port));
            length = sizeof *v4;
        } else if (::inet_pton(AF_INET6, address.c_str(), &v6->sin6_addr) == 1) {
            v6->sin6_family = AF_INET6;
            v6->sin6_port = htons(static_cast<std::uint16_t>(m_port));
            length = sizeof *v6;
        } else {
            continue;
        }
        if (m_socket >= 0)
            ::close(m_socket);
        m_socket = ::socket(to.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (m_socket >= 0 &&
            (::connect(m_socket, reinterpret_cast<sockaddr*>(&to), length) == 0 || errno == EINPROGRESS)) {
            setState(State::Connecting);
            m_watch = m_loop.watchWritable(m_socket, [this] { connected(); });
            return true;
        }
        m_lastConnectError = std::strerror(errno);
    }
    return false;
}

void TcpLineQuery::connectFailed(const std::string& reason) {
    m_lastConnectError = reason;
    connectOrFail();
}

void TcpLineQuery::connectOrFail() {
    if (!connectNext())
        finish("cannot connect to " + m_host + " on port " + std::to_string(m_port) + ": " +
               m_lastConnectError);
}

void TcpLineQuery::connected() {
    int error = 0;
    socklen_t length = sizeof error;
    ::getsockopt(m_socket, SOL_SOCKET, SO_ERROR, &error, &length);
    if (error != 0) {
        connectFailed(std::strerror(error));
        return;
    }
    // One short line: it fits the fresh connection's send buffer whole.
    const std::string line = m_question + "\r\n";
    if (::send(m_socket, line.data(), line.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(line.size())) {
        finish("cannot send the question to " + m_host + ": " + std::strerror(errno));
        return;
    }
    setState(State::Reading);
    m_watch = m_loop.watchReadable(m_socket, [this] { readAnswer(); });
}

void TcpLineQuery::readAnswer() {
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::recv(m_socket, buffer, sizeof buffer, 0);
        if (got > 0) {
            // Full: what came is shown, and the rest is left unread.
            if (!m_answer.feed(std::string_view(buffer, static_cast<size_t>(got)))) {
                finish("");
                return;
            }
            continue;
        }
        if (got == 0) {
            m_answer.finish();
            finish(m_answer.lines().empty() ? m_host + " closed the connection without answering" : "");
        } else if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            const std::string reason = std::strerror(errno);
            finish(m_answer.lines().empty()
                       ? m_host + " closed the connection without answering (" + reason + ")"
                       : "the connection to " + m_host + " broke: " + reason);
        }
        return;
    }
}

std::string TcpLineQuery::line(int index) const {
    if (index < 0 || index >= lineCount())
        throw ControlError(9, "Subscript out of range");
    return lines()[static_cast<size_t>(index)];
}

void TcpLineQuery::finish(const std::string& error) {
    setState(State::Idle);
    if (m_finished)
        std::exchange(m_finished, nullptr)(error);
}

} // namespace quillan
