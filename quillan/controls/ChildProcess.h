#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quillan {

// A program started without a shell, with chosen descriptors and no others. Stopped (and reaped)
// when the object goes.
class ChildProcess {
  public:
    // Child descriptor number, and the parent's descriptor it receives.
    using Descriptor = std::pair<int, int>;

    ChildProcess() = default;
    ~ChildProcess() { stop(); }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Returns "" or the reason the program could not be started (a missing program included).
    std::string start(const std::string& program, const std::vector<std::string>& args,
                      const std::vector<Descriptor>& descriptors);
    bool running() const { return m_pid > 0; }
    pid_t pid() const { return m_pid; }
    // The wait status once the program has ended, without waiting for it.
    std::optional<int> ended();
    // Gives the started program up to whoever ends it (see ProcessEnder).
    pid_t release() { return std::exchange(m_pid, -1); }
    // Asks the program to end, waits a little, then kills it. Returns its wait status.
    std::optional<int> stop(int graceMs = 300);

  private:
    pid_t m_pid = -1;
};

} // namespace quillan
