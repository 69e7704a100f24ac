#pragma once

#include "LineReader.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillan {

// Reads what pppd logs while it brings a link up, and finds its own reason when it ends.
class PppdOutput {
  public:
    enum class Event { SerialConnected, Negotiating, Authenticated, LinkUp };

    // Each complete line also goes to logged, when given.
    std::vector<Event> feed(std::string_view bytes,
                            const std::function<void(std::string_view line)>& logged = nullptr);
    const std::string& interfaceName() const { return m_interface; }
    // pppd's first complaint, with the meaning of its exit status where it has one.
    std::string reason(int waitStatus) const;

  private:
    void onLine(std::string_view line, std::vector<Event>& events);

    LineReader m_lines{{.lineBytes = 400}};
    std::string m_complaint;
    std::string m_interface;
};

} // namespace quillan
