#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillan {

// The pppd calls that are up, as pppd's run folder and the processes' command lines tell: ppp-NAME.pid
// names the link NAME; pppN.pid names the call by its command line (`linkname NAME`, `call NAME`, or
// the entry in `ipparam` when the call went through the dialer's own peers file).
// A scan of the folder runs only when the folder has changed; in between, a refresh checks only that the
// known processes live, so the steady state reads the folder's status once and allocates nothing.
class PppdRunFolder {
  public:
    using Clock = std::chrono::steady_clock::time_point (*)();
    PppdRunFolder(std::filesystem::path folder, std::string ownPeers,
                  Clock clock = &std::chrono::steady_clock::now);
    ~PppdRunFolder();
    PppdRunFolder(const PppdRunFolder&) = delete;
    PppdRunFolder& operator=(const PppdRunFolder&) = delete;

    // Whether a pppd other than the ignored ones carries the call of the entry called name.
    bool isUp(std::string_view name);
    // Processes the dialer itself runs or is ending: never someone else's call.
    std::function<bool(pid_t)> ignored;

  private:
    struct Link {
        pid_t pid = 0;
        std::string name;
        bool alive = false;
    };

    void refresh();
    bool folderChanged();
    void scan();
    void readPidFile(const char* fileName);
    bool callOf(pid_t pid, std::string_view linkName, Link& link) const;

    std::filesystem::path m_folder;
    std::string m_ownPeers;
    Clock m_clock;
    int m_fd = -1;
    timespec m_seenChange{};
    std::chrono::steady_clock::time_point m_refreshed{};
    bool m_refreshedOnce = false;
    std::vector<Link> m_links;
    size_t m_count = 0;
};

} // namespace quillan
