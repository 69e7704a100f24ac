#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string_view>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace quillan {

namespace {

constexpr int kAnswerMs = 1000;
// The first Quillan listens a moment after it took the lock; a second start waits that long for it.
constexpr auto kListenWait = std::chrono::seconds(3);
constexpr auto kRetry = std::chrono::milliseconds(20);
constexpr std::string_view kRestore = "restore\n";
// A caller sends the request and nothing else; more than this is not one of ours.
constexpr size_t kMostReceived = 64;

// A folder only this user can enter: $XDG_RUNTIME_DIR, else quillan-UID in the temporary folder.
// Returns "" and says why when there is none.
std::string socketFolder(std::string& problem) {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    std::error_code failed;
    if (!runtime.isEmpty() && runtime.startsWith('/') &&
        std::filesystem::is_directory(runtime.toStdString(), failed))
        return runtime.toStdString();

    const std::string folder = QDir::tempPath().toStdString() + "/quillan-" + std::to_string(::getuid());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        problem = "cannot create " + folder + ": " + std::strerror(errno);
        return "";
    }
    // Someone else's folder, or one others may write into, could hand this user's console to them.
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid() ||
        (info.st_mode & 077) != 0) {
        problem = folder + " is not a folder of this user's own (mode 700); remove it or set XDG_RUNTIME_DIR";
        return "";
    }
    return folder;
}

sockaddr_un addressOf(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

int localSocket() {
    // Close-on-exec: the programs Quillan starts must not hold its socket.
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
}

// Sends the request to bring the console back: true once all of it is on its way.
bool sendRestore(int fd) {
    size_t sent = 0;
    while (sent < kRestore.size()) {
        const ssize_t n = ::send(fd, kRestore.data() + sent, kRestore.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        pollfd writable{fd, POLLOUT, 0};
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK) || ::poll(&writable, 1, kAnswerMs) <= 0)
            return false;
    }
    return true;
}

} // namespace

SingleInstance::SingleInstance(const std::filesystem::path& dataDir) {
    const std::string folder = socketFolder(m_problem);
    if (folder.empty())
        return;
    const QByteArray data = QByteArray::fromStdString(std::filesystem::absolute(dataDir).lexically_normal());
    const std::string base =
        folder + "/quillan-" +
        QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex().left(16).toStdString();
    if (base.size() + sizeof(".socket.new") > sizeof(sockaddr_un::sun_path)) {
        m_problem =
            "the socket path " + base + ".socket is too long; set XDG_RUNTIME_DIR to a shorter folder";
        return;
    }
    m_socketPath = base + ".socket";
    const std::string lockPath = base + ".lock";
    // Close-on-exec: a program Quillan starts must not keep the lock after Quillan has gone.
    m_lock = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_lock < 0) {
        m_problem = "cannot open " + lockPath + ": " + std::strerror(errno);
        m_socketPath.clear();
    }
}

SingleInstance::~SingleInstance() {
    while (!m_callers.empty())
        hangUp(m_callers.begin()->first);
    if (m_listener >= 0) {
        m_loop.unwatch(m_listenWatch);
        ::close(m_listener);
    }
    if (m_lock >= 0)
        ::close(m_lock);
}

SingleInstance::Start SingleInstance::handOver() {
    if (m_lock < 0)
        return Start::First;
    if (::flock(m_lock, LOCK_EX | LOCK_NB) == 0)
        return Start::First;
    const sockaddr_un address = addressOf(m_socketPath);
    const auto end = std::chrono::steady_clock::now() + kListenWait;
    do {
        const int fd = localSocket();
        if (fd < 0)
            return Start::Unanswered;
        // Not there yet, not listening yet, or its queue full for a moment: tried again shortly.
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
            const bool sent = sendRestore(fd);
            ::close(fd);
            return sent ? Start::HandedOver : Start::Unanswered;
        }
        ::close(fd);
        std::this_thread::sleep_for(kRetry);
    } while (std::chrono::steady_clock::now() < end);
    return Start::Unanswered;
}

void SingleInstance::listen(std::function<void()> anotherStart) {
    if (m_socketPath.empty())
        return;
    const auto refused = [this](const char* step) {
        m_problem = "cannot " + std::string(step) + " " + m_socketPath + ": " + std::strerror(errno);
        if (m_listener >= 0)
            ::close(m_listener);
        m_listener = -1;
    };
    m_listener = localSocket();
    if (m_listener < 0)
        return refused("make a socket for");
    // Made beside the old one and renamed over it: this process holds the lock, so a socket already there
    // was left by one that was killed, and a later start always finds one socket or the other.
    const std::string fresh = m_socketPath + ".new";
    ::unlink(fresh.c_str());
    const sockaddr_un address = addressOf(fresh);
    if (::bind(m_listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return refused("listen on");
    // This user's only; nobody can connect before listen, so the moment after bind is safe.
    if (::chmod(fresh.c_str(), 0600) != 0 || ::listen(m_listener, SOMAXCONN) != 0 ||
        ::rename(fresh.c_str(), m_socketPath.c_str()) != 0) {
        const int error = errno;
        ::unlink(fresh.c_str());
        errno = error;
        return refused("listen on");
    }
    m_anotherStart = std::move(anotherStart);
    m_listenWatch = m_loop.watchReadable(m_listener, [this] { acceptCallers(); });
}

void SingleInstance::acceptCallers() {
    while (true) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return;
        }
        m_callers[fd] = {m_loop.watchReadable(fd, [this, fd] { readFrom(fd); }), {}};
    }
}

void SingleInstance::readFrom(int fd) {
    Caller& caller = m_callers.at(fd);
    char buffer[kMostReceived];
    ssize_t n;
    while ((n = ::recv(fd, buffer, sizeof buffer, 0)) > 0)
        caller.received.append(buffer, static_cast<size_t>(n));
    const bool waiting = n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR);
    const bool restore = caller.received.find(kRestore) != std::string::npos;
    if (waiting && !restore && caller.received.size() <= kMostReceived)
        return;
    // Hung up before the handler runs: it may open windows and wait in loops of their own.
    hangUp(fd);
    if (restore && m_anotherStart)
        m_anotherStart();
}

void SingleInstance::hangUp(int fd) {
    auto it = m_callers.find(fd);
    m_loop.unwatch(it->second.watch);
    ::close(fd);
    m_callers.erase(it);
}

} // namespace quillan
