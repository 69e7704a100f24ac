#pragma once

#include "LineQueryOptions.h"
#include "TcpLineQuery.h"
#include "WhoIsControl.h"

#include <string>

namespace quillan {

// The whois control: RFC 3912 over TCP (port 43).
class LinuxWhoIs : public WhoIsControl {
  public:
    LinuxWhoIs(EventLoop& loop, AresResolver& resolver, LineQueryOptions options = {.port = 43});

    void setQuery(const std::string& query) override { m_query = query; }
    bool Failed() override { return m_failed; }
    void setFailed(bool failed) override { m_failed = failed; }
    void setServer(const std::string& server) override { m_server = server; }
    int LineCount() override { return m_connection.lineCount(); }
    void Query() override;
    std::string Line(int index) override { return m_connection.line(index); }

    // Why the last query failed, in words.
    const std::string& lastError() const { return m_error; }

  private:
    LineQueryOptions m_options;
    TcpLineQuery m_connection;
    std::string m_query;
    std::string m_server;
    bool m_failed = false;
    std::string m_error;
};

} // namespace quillan
