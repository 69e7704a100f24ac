#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QThread>

#include <cerrno>
#include <chrono>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillan {

namespace {

constexpr int kAnswerMs = 1000;
// The first Quillan listens a moment after it took the lock; a second start waits that long for it.
constexpr auto kListenWait = std::chrono::seconds(3);
constexpr int kRetryMs = 20;
const QByteArray kRestore = "restore\n";

// A folder only this user can enter: $XDG_RUNTIME_DIR, else quillan-UID in the temporary folder.
// Returns "" and says why when there is none.
std::string socketFolder(std::string& problem) {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    std::error_code failed;
    if (!runtime.isEmpty() && runtime.startsWith('/') && std::filesystem::is_directory(runtime.toStdString(), failed))
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

} // namespace

SingleInstance::SingleInstance(const std::filesystem::path& dataDir) {
    const std::string folder = socketFolder(m_problem);
    if (folder.empty())
        return;
    const QByteArray data = QByteArray::fromStdString(std::filesystem::absolute(dataDir).lexically_normal());
    const QString base = QString::fromStdString(folder) + "/quillan-" +
                         QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex().left(16);
    m_socketPath = base + ".socket";
    const QByteArray lockPath = (base + ".lock").toLocal8Bit();
    // Close-on-exec: a program Quillan starts must not keep the lock after Quillan has gone.
    m_lock = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_lock < 0) {
        m_problem = "cannot open " + lockPath.toStdString() + ": " + std::strerror(errno);
        m_socketPath.clear();
    }
}

SingleInstance::~SingleInstance() {
    if (m_lock >= 0)
        ::close(m_lock);
}

SingleInstance::Start SingleInstance::handOver() {
    if (m_lock < 0)
        return Start::First;
    if (::flock(m_lock, LOCK_EX | LOCK_NB) == 0)
        return Start::First;
    const auto end = std::chrono::steady_clock::now() + kListenWait;
    do {
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(kAnswerMs)) {
            socket.write(kRestore);
            return socket.waitForBytesWritten(kAnswerMs) ? Start::HandedOver : Start::Unanswered;
        }
        QThread::msleep(kRetryMs);
    } while (std::chrono::steady_clock::now() < end);
    return Start::Unanswered;
}

void SingleInstance::listen(std::function<void()> anotherStart) {
    if (m_socketPath.isEmpty())
        return;
    // This process holds the lock, so a socket already there was left by one that was killed.
    QLocalServer::removeServer(m_socketPath);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(m_socketPath)) {
        m_problem = "cannot listen on " + m_socketPath.toStdString() + ": " + m_server.errorString().toStdString();
        return;
    }
    QObject::connect(&m_server, &QLocalServer::newConnection, [this, anotherStart] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::readyRead, [socket, anotherStart] {
                if (socket->readAll().contains(kRestore))
                    anotherStart();
                socket->disconnectFromServer();
            });
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

} // namespace quillan
