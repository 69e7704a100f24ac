#pragma once

#include "CurlTransfers.h"
#include "LineReader.h"
#include "MailControl.h"
#include "runtime/EventLoop.h"

#include <curl/curl.h>

#include <cstddef>
#include <string>

namespace quillan {

struct MailOptions {
    int connectTimeoutMs = 30000;
    // The whole check: connecting, logging in and counting.
    int checkTimeoutMs = 30000;
    // Empty: the system's certificate authorities.
    std::string caFile;
    // The message list is one short line a message; more than this is not a mailbox listing.
    std::size_t longestListing = 1 << 20;
};

// The mail control on libcurl's POP3 (RFC 1939, STLS of RFC 2595, implicit TLS on pop3s): a check
// logs in, lists the mailbox and closes the connection again, with every step on the event loop.
class Pop3Mail : public MailControl {
  public:
    Pop3Mail(EventLoop& loop, MailOptions options = {});
    ~Pop3Mail() override;
    Pop3Mail(const Pop3Mail&) = delete;
    Pop3Mail& operator=(const Pop3Mail&) = delete;

    void setServer(const std::string& server) override { m_server = server; }
    void setUserName(const std::string& name) override { m_user = name; }
    void setPassword(const std::string& password) override { m_password = password; }
    void setAction(int action) override;
    long MessageCount() override { return m_count; }

  private:
    static std::size_t onListing(char* data, std::size_t size, std::size_t count, void* self);
    void check();
    // Throws std::runtime_error when libcurl cannot be loaded or started.
    void start(const std::string& address);
    void finished(CURLcode result);
    void fail(const std::string& reason);
    void later(std::function<void()> event);

    EventLoop& m_loop;
    MailOptions m_options;
    CurlTransfers m_transfers;
    CURL* m_easy = nullptr;
    std::string m_server;
    std::string m_user;
    std::string m_password;
    LineReader m_listing;
    long m_count = 0;
    long m_counting = 0;
    EventLoop::Id m_event = 0;
};

} // namespace quillan
