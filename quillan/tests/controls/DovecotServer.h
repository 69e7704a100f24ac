#pragma once

#include "ServerProcess.h"
#include "TempFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace quillan::test {

// A POP3 server of the test's own on loopback: one mailbox "alice" / "secret" in a maildir, a
// certificate for localhost made for the test, plain POP3 with STLS on one port and implicit TLS on
// another.
class DovecotServer {
  public:
    static constexpr const char* kProgram = "/usr/sbin/dovecot";

    DovecotServer() {
        namespace fs = std::filesystem;
        const fs::path& root = m_folder.path();
        fs::permissions(root, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
        fs::create_directories(root / "run");
        for (const char* sub : {"new", "cur", "tmp"})
            fs::create_directories(root / "home/alice/Maildir" / sub);
        // Mail is served as an ordinary user, never as root.
        const passwd* user = ::geteuid() == 0 ? ::getpwnam("nobody") : ::getpwuid(::geteuid());
        m_uid = user->pw_uid;
        m_gid = user->pw_gid;
        chownTree(root / "home");
        m_folder.write("passwd", "alice:{PLAIN}secret\n");
        m_ok = std::system(("openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days "
                            "2 -subj /CN=localhost"
                            " -addext subjectAltName=DNS:localhost,IP:127.0.0.1,IP:::1 -keyout " +
                            (root / "key.pem").string() + " -out " + (root / "cert.pem").string() +
                            " 2>/dev/null")
                               .c_str()) == 0;
        for (int attempt = 0; m_ok && attempt < 3 && !m_server; ++attempt)
            start(user->pw_name);
    }

    bool ready() const { return m_ok && m_server; }
    int plainPort() const { return m_plainPort; }
    int tlsPort() const { return m_tlsPort; }
    std::string caFile() const { return (m_folder.path() / "cert.pem").string(); }

    void deliver(int messages) {
        for (int i = 0; i < messages; ++i) {
            auto file =
                m_folder.path() / "home/alice/Maildir/new" / ("message" + std::to_string(m_delivered++));
            std::ofstream(file) << "From: bob@localhost\nSubject: " << i << "\n\nHello.\n";
            ::chown(file.c_str(), m_uid, m_gid);
        }
    }

  private:
    void chownTree(const std::filesystem::path& top) {
        ::chown(top.c_str(), m_uid, m_gid);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(top))
            ::chown(entry.path().c_str(), m_uid, m_gid);
    }

    void start(const std::string& userName) {
        const std::string root = m_folder.path().string();
        m_plainPort = freeLoopbackPort();
        m_tlsPort = freeLoopbackPort();
        std::string ownUsers = ::geteuid() == 0 ? ""
                                                : "default_internal_user = " + userName +
                                                      "\ndefault_login_user = " + userName + "\n";
        m_folder.write("dovecot.conf",
                       "protocols = pop3\nlisten = 127.0.0.1" +
                           std::string(hasIpv6Loopback() ? ", ::1" : "") + "\nbase_dir = " + root +
                           "/run\nstate_dir = " + root + "/run\nlog_path = " + root + "/dovecot.log\n" +
                           ownUsers + "ssl = yes\nssl_cert = <" + root + "/cert.pem\nssl_key = <" + root +
                           "/key.pem\ndisable_plaintext_auth = no\nauth_mechanisms = "
                           "plain\nauth_failure_delay = 0\nfirst_valid_uid = 1\n"
                           "passdb {\n  driver = passwd-file\n  args = scheme=PLAIN username_format=%u " +
                           root + "/passwd\n}\nuserdb {\n  driver = static\n  args = uid=" +
                           std::to_string(m_uid) + " gid=" + std::to_string(m_gid) + " home=" + root +
                           "/home/%u\n}\nmail_location = maildir:~/Maildir\n"
                           "service pop3-login {\n  inet_listener pop3 {\n    port = " +
                           std::to_string(m_plainPort) +
                           "\n  }\n  inet_listener pop3s {\n    port = " + std::to_string(m_tlsPort) +
                           "\n    ssl = yes\n  }\n}\n"
                           "service anvil {\n  chroot =\n}\nservice stats {\n  unix_listener stats-writer {\n"
                           "    mode = 0666\n  }\n}\n");
        auto server = std::make_unique<ServerProcess>(
            std::vector<std::string>{kProgram, "-F", "-c", root + "/dovecot.conf"});
        if (acceptsConnections(m_plainPort, 10000) && acceptsConnections(m_tlsPort, 2000) &&
            server->running())
            m_server = std::move(server);
    }

    TempFolder m_folder;
    uid_t m_uid = 0;
    gid_t m_gid = 0;
    bool m_ok = false;
    int m_plainPort = 0;
    int m_tlsPort = 0;
    int m_delivered = 0;
    std::unique_ptr<ServerProcess> m_server;
};

} // namespace quillan::test
