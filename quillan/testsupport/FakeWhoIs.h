#pragma once

#include "FakeLineQuery.h"
#include "RecordingServices.h"

#include "controls/WhoIsControl.h"

namespace quillan {

// Logs `whois "SERVER" "QUERY"` as a query starts; answers only when told.
class FakeWhoIs : public WhoIsControl {
  public:
    explicit FakeWhoIs(EffectLog& log) : m_log(log) {}

    void setQuery(const std::string& query) override { m_query = query; }
    bool Failed() override { return m_answer.failed(); }
    void setFailed(bool failed) override { m_answer.setFailed(failed); }
    void setServer(const std::string& server) override { m_server = server; }
    int LineCount() override { return m_answer.lineCount(); }
    void Query() override {
        m_log.add("whois " + quillan::quoted(m_server) + " " + quillan::quoted(m_query));
    }
    std::string Line(int index) override { return m_answer.line(index); }

    // The answer's lines, then Done.
    void complete(std::vector<std::string> lines);
    // Failed set, then Done.
    void fail();

  private:
    EffectLog& m_log;
    FakeLineQuery m_answer;
    std::string m_query;
    std::string m_server;
};

} // namespace quillan
