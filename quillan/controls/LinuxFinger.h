#pragma once

#include "FingerControl.h"
#include "LineQueryOptions.h"
#include "TcpLineQuery.h"

#include <string>

namespace quillan {

// The finger control: RFC 1288 over TCP (port 79); verbose asks with "/W ".
class LinuxFinger : public FingerControl {
  public:
    LinuxFinger(EventLoop& loop, AresResolver& resolver, LineQueryOptions options = {.port = 79});

    void setQuery(const std::string& query) override { m_query = query; }
    bool Failed() override { return m_failed; }
    void setFailed(bool failed) override { m_failed = failed; }
    void setHost(const std::string& host) override { m_host = host; }
    void setAction(int action) override;
    int LineCount() override { return m_connection.lineCount(); }
    void setVerbose(int verbose) override { m_verbose = verbose; }
    std::string Line(int index) override { return m_connection.line(index); }

    // Why the last query failed, in words.
    const std::string& lastError() const { return m_error; }

  private:
    LineQueryOptions m_options;
    TcpLineQuery m_connection;
    std::string m_query;
    std::string m_host;
    int m_verbose = 0;
    bool m_failed = false;
    std::string m_error;
};

} // namespace quillan
