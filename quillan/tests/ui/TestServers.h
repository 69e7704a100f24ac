#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace quillan {

// A server a test starts as its child and ends again.
class ChildServer {
  public:
    // Starts argv with extra environment entries; keepFd stays open in the child.
    ChildServer(const std::vector<std::string>& argv, const std::vector<std::string>& environment = {},
                int keepFd = -1, const std::filesystem::path& output = "/dev/null");
    ~ChildServer();
    ChildServer(const ChildServer&) = delete;
    ChildServer& operator=(const ChildServer&) = delete;
    pid_t pid() const { return m_pid; }
    bool running();
    // Ends it (SIGTERM) and waits.
    void stop();

  private:
    pid_t m_pid = -1;
};

// Polls ready every 50 ms for up to seconds; true once it holds.
bool waitFor(const std::function<bool()>& ready, int seconds = 10);

// The output of a shell command, or "" when it failed.
std::string commandOutput(const std::string& command);

// The first executable of that name on the search path, or "" when there is none.
std::string installed(const std::string& program);

} // namespace quillan
