#pragma once

#include "FakeLineQuery.h"
#include "RecordingServices.h"

#include "controls/FingerControl.h"

namespace quillan {

// Logs `finger "HOST" "QUERY" V` as a query starts; answers only when told.
class FakeFinger : public FingerControl {
  public:
    explicit FakeFinger(EffectLog& log) : m_log(log) {}

    void setQuery(const std::string& query) override { m_query = query; }
    bool Failed() override { return m_answer.failed(); }
    void setFailed(bool failed) override { m_answer.setFailed(failed); }
    void setHost(const std::string& host) override { m_host = host; }
    void setAction(int action) override;
    int LineCount() override { return m_answer.lineCount(); }
    void setVerbose(int verbose) override { m_verbose = verbose; }
    std::string Line(int index) override { return m_answer.line(index); }

    // The answer's lines, then Done.
    void complete(std::vector<std::string> lines);
    // Failed set, then Done.
    void fail();

  private:
    EffectLog& m_log;
    FakeLineQuery m_answer;
    std::string m_query;
    std::string m_host;
    int m_verbose = 0;
};

} // namespace quillan
