#pragma once

#include <string>
#include <vector>

namespace quillan {

enum class WindowStyle { Normal, Minimized, Maximized, Hidden };

// Starts outside programs without waiting for them.
class ProcessStarter {
  public:
    virtual ~ProcessStarter() = default;
    // Full path of an installed program found on the search path, or "" when there is none.
    virtual std::string find(const std::string& program) = 0;
    // True when the program was started.
    virtual bool start(const std::string& program, const std::vector<std::string>& args,
                       WindowStyle style) = 0;
};

} // namespace quillan
