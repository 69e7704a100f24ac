#pragma once

#include "ServerProcess.h"
#include "TempFolder.h"

#include <memory>
#include <string>

namespace quillan::test {

// dnsmasq on 127.0.0.1 answering only from a hosts file of the test's own (it hands out a name's
// addresses in turn, a new order each query).
class LocalNameServer {
  public:
    explicit LocalNameServer(const std::string& hosts, int port = freeLoopbackPort(SOCK_DGRAM))
        : m_port(port) {
        const auto file = m_dir.write("hosts", hosts);
        m_server = std::make_unique<ServerProcess>(std::vector<std::string>{
            "/usr/sbin/dnsmasq", "--keep-in-foreground", "--no-resolv", "--no-hosts", "--conf-file=/dev/null",
            "--port=" + std::to_string(m_port), "--listen-address=127.0.0.1", "--bind-interfaces",
            "--addn-hosts=" + file.string(), "--pid-file=", "--log-facility=/dev/null", "--user=root"});
        m_ready = boundUdp(m_port, 5000);
    }
    bool ready() const { return m_ready; }
    int port() const { return m_port; }
    // For ResolverOptions::servers.
    std::string servers() const { return "127.0.0.1:" + std::to_string(m_port); }

  private:
    TempFolder m_dir;
    int m_port;
    std::unique_ptr<ServerProcess> m_server;
    bool m_ready = false;
};

} // namespace quillan::test
