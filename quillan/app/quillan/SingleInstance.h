#pragma once

#include <QLocalServer>
#include <QString>

#include <filesystem>
#include <functional>

namespace quillan {

// One running Quillan per data folder. A second start hands over to the first, which brings its main
// console back: the way back when the console is hidden and no tray icon can be shown.
class SingleInstance {
public:
    explicit SingleInstance(const std::filesystem::path& dataDir);

    // True when another Quillan on the same data folder took the request; this one should then end.
    bool handOver();
    // Listens for later starts; called with each one.
    void listen(std::function<void()> anotherStart);

private:
    QString m_name;
    QLocalServer m_server;
};

} // namespace quillan
