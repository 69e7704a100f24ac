#include "AresResolver.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

namespace quillan {

struct AresResolver::AddressesRequest {
    AresResolver* resolver;
    AddressesFound found;
};
struct AresResolver::NameRequest {
    AresResolver* resolver;
    NameFound found;
};

namespace {

// The resolver's own end, or a lookup cancelled with it: nobody is left to answer.
bool cutShort(int status) {
    return status == ARES_EDESTRUCTION || status == ARES_ECANCELLED;
}

std::string lookupError(int status) {
    return std::string("the name server answered: ") + ares_strerror(status);
}
} // namespace

AresResolver::AresResolver(EventLoop& loop, ResolverOptions options)
    : m_loop(loop), m_options(std::move(options)) {
    openChannel();
}

namespace {
std::pair<long long, long long> systemServersStamp() {
    struct stat info {};
    if (::stat("/etc/resolv.conf", &info) != 0)
        return {0, 0};
    return {static_cast<long long>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
            static_cast<long long>(info.st_size)};
}
} // namespace

void AresResolver::openChannel() {
    static const int libraryStatus = ares_library_init(ARES_LIB_INIT_ALL);
    if (m_channel)
        ares_destroy(m_channel);
    m_channel = nullptr;
    m_setupError.clear();
    m_systemServersStamp = systemServersStamp();
    ares_options settings{};
    settings.sock_state_cb = &AresResolver::socketState;
    settings.sock_state_cb_data = this;
    settings.timeout = m_options.timeoutMs;
    settings.tries = m_options.tries;
    const int mask = ARES_OPT_SOCK_STATE_CB | ARES_OPT_TIMEOUTMS | ARES_OPT_TRIES;
    int status = libraryStatus;
    if (status == ARES_SUCCESS)
        status = ares_init_options(&m_channel, &settings, mask);
    if (status == ARES_SUCCESS && !m_options.servers.empty())
        status = ares_set_servers_ports_csv(m_channel, m_options.servers.c_str());
    if (status != ARES_SUCCESS)
        m_setupError = std::string("the name resolver could not be set up: ") + ares_strerror(status);
}

void AresResolver::followSystemServers() {
    if (m_options.servers.empty() && m_pending == 0 && systemServersStamp() != m_systemServersStamp)
        openChannel();
}

AresResolver::~AresResolver() {
    for (EventLoop::Id id : m_later)
        m_loop.cancel(id);
    if (m_timeout)
        m_loop.cancel(m_timeout);
    if (m_channel)
        ares_destroy(m_channel);
    for (const auto& [fd, watches] : m_watches) {
        if (watches.readable)
            m_loop.unwatch(watches.readable);
        if (watches.writable)
            m_loop.unwatch(watches.writable);
    }
}

void AresResolver::later(std::function<void()> answer) {
    auto id = std::make_shared<EventLoop::Id>(0);
    *id = m_loop.singleShot(0, [this, id, answer = std::move(answer)] {
        m_later.erase(std::remove(m_later.begin(), m_later.end(), *id), m_later.end());
        answer();
    });
    m_later.push_back(*id);
}

void AresResolver::addresses(const std::string& name, int family, AddressesFound found) {
    followSystemServers();
    if (!m_setupError.empty()) {
        later([found, error = m_setupError] { found(error, {}); });
        return;
    }
    ares_addrinfo_hints hints{};
    hints.ai_family = family;
    hints.ai_socktype = SOCK_STREAM;
    ++m_pending;
    ares_getaddrinfo(m_channel, name.c_str(), nullptr, &hints, &AresResolver::addressesDone,
                     new AddressesRequest{this, std::move(found)});
    armTimeout();
}

void AresResolver::name(const std::string& address, NameFound found) {
    followSystemServers();
    sockaddr_in v4{};
    sockaddr_in6 v6{};
    const sockaddr* where = nullptr;
    ares_socklen_t length = 0;
    if (::inet_pton(AF_INET, address.c_str(), &v4.sin_addr) == 1) {
        v4.sin_family = AF_INET;
        where = reinterpret_cast<const sockaddr*>(&v4);
        length = sizeof v4;
    } else if (::inet_pton(AF_INET6, address.c_str(), &v6.sin6_addr) == 1) {
        v6.sin6_family = AF_INET6;
        where = reinterpret_cast<const sockaddr*>(&v6);
        length = sizeof v6;
    }
    if (!m_setupError.empty() || !where) {
        const std::string error = where ? m_setupError : "\"" + address + "\" is not an IPv4 or IPv6 address";
        later([found, error] { found(error, ""); });
        return;
    }
    ++m_pending;
    ares_getnameinfo(m_channel, where, length, ARES_NI_LOOKUPHOST | ARES_NI_NAMEREQD, &AresResolver::nameDone,
                     new NameRequest{this, std::move(found)});
    armTimeout();
}

void AresResolver::addressesDone(void* request, int status, int, ares_addrinfo* result) {
    std::unique_ptr<AddressesRequest> owned(static_cast<AddressesRequest*>(request));
    --owned->resolver->m_pending;
    std::vector<std::string> found;
    for (ares_addrinfo_node* node = result ? result->nodes : nullptr; node; node = node->ai_next) {
        char text[INET6_ADDRSTRLEN] = "";
        const void* raw =
            node->ai_family == AF_INET
                ? static_cast<const void*>(&reinterpret_cast<sockaddr_in*>(node->ai_addr)->sin_addr)
                : static_cast<const void*>(&reinterpret_cast<sockaddr_in6*>(node->ai_addr)->sin6_addr);
        if (::inet_ntop(node->ai_family, raw, text, sizeof text) &&
            std::find(found.begin(), found.end(), text) == found.end())
            found.push_back(text);
    }
    if (result)
        ares_freeaddrinfo(result);
    if (cutShort(status))
        return;
    if (status == ARES_SUCCESS && found.empty())
        status = ARES_ENODATA;
    // A name from the hosts file or a numeric one is answered inside the call that asked: the answer
    // still comes on the loop, after the asking handler has finished.
    owned->resolver->later([found, error = status == ARES_SUCCESS ? "" : lookupError(status),
                            answer = std::move(owned->found)] { answer(error, found); });
}

void AresResolver::nameDone(void* request, int status, int, char* node, char*) {
    std::unique_ptr<NameRequest> owned(static_cast<NameRequest*>(request));
    --owned->resolver->m_pending;
    if (cutShort(status))
        return;
    if (status == ARES_SUCCESS && (!node || !*node))
        status = ARES_ENOTFOUND;
    owned->resolver->later([name = std::string(status == ARES_SUCCESS ? node : ""),
                            error = status == ARES_SUCCESS ? "" : lookupError(status),
                            answer = std::move(owned->found)] { answer(error, name); });
}

void AresResolver::socketState(void* data, ares_socket_t fd, int readable, int writable) {
    auto* self = static_cast<AresResolver*>(data);
    Watches& watches = self->m_watches[fd];
    if (readable && !watches.readable)
        watches.readable = self->m_loop.watchReadable(fd, [self, fd] { self->process(fd, ARES_SOCKET_BAD); });
    if (!readable && watches.readable) {
        self->m_loop.unwatch(watches.readable);
        watches.readable = 0;
    }
    // A TCP connection to the name server, for an answer too long for UDP.
    if (writable && !watches.writable)
        watches.writable = self->m_loop.watchWritable(fd, [self, fd] { self->process(ARES_SOCKET_BAD, fd); });
    if (!writable && watches.writable) {
        self->m_loop.unwatch(watches.writable);
        watches.writable = 0;
    }
    if (!watches.readable && !watches.writable)
        self->m_watches.erase(fd);
}

void AresResolver::process(ares_socket_t readable, ares_socket_t writable) {
    ares_process_fd(m_channel, readable, writable);
    armTimeout();
}

void AresResolver::armTimeout() {
    if (m_timeout) {
        m_loop.cancel(m_timeout);
        m_timeout = 0;
    }
    timeval wait{};
    if (!ares_timeout(m_channel, nullptr, &wait))
        return;
    const int ms = static_cast<int>(wait.tv_sec * 1000 + (wait.tv_usec + 999) / 1000);
    m_timeout = m_loop.singleShot(ms, [this] {
        m_timeout = 0;
        process(ARES_SOCKET_BAD, ARES_SOCKET_BAD);
    });
}

} // namespace quillan
