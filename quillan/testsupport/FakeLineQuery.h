#pragma once

#include <string>
#include <vector>

namespace quillan {

// The answer side shared by the fake finger and whois controls: result lines and the failure flag.
class FakeLineQuery {
  public:
    bool failed() const { return m_failed; }
    void setFailed(bool failed) { m_failed = failed; }
    int lineCount() const { return static_cast<int>(m_lines.size()); }
    std::string line(int index) const;
    void setLines(std::vector<std::string> lines) { m_lines = std::move(lines); }

  private:
    bool m_failed = false;
    std::vector<std::string> m_lines;
};

} // namespace quillan
