#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalSocket>

namespace quillan {

namespace {
constexpr int kAnswerMs = 1000;
const QByteArray kRestore = "restore\n";
} // namespace

SingleInstance::SingleInstance(const std::filesystem::path& dataDir) {
    const QByteArray folder = QByteArray::fromStdString(std::filesystem::absolute(dataDir).lexically_normal());
    m_name = "quillan-" + QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16);
}

bool SingleInstance::handOver() {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kAnswerMs))
        return false;
    socket.write(kRestore);
    return socket.waitForBytesWritten(kAnswerMs);
}

void SingleInstance::listen(std::function<void()> anotherStart) {
    // A server left behind by a Quillan that crashed would refuse the name.
    QLocalServer::removeServer(m_name);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(m_name);
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
