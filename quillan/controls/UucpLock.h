#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>

namespace quillan {

// The lock file that serial programs on this system agree on (LCK..ttyACM0 in /run/lock, holding the
// holder's process number). A lock whose process is gone is stale and taken over.
class UucpLock {
  public:
    UucpLock() = default;
    ~UucpLock() { release(); }
    UucpLock(const UucpLock&) = delete;
    UucpLock& operator=(const UucpLock&) = delete;

    // Returns "" when this program holds the line's lock (or the folder takes no locks), else why not.
    std::string acquire(const std::filesystem::path& folder, const std::string& device);
    void release();

    // The lock file's name for a device: LCK.. and the path below /dev, with / as _.
    static std::string fileName(const std::string& device);
    // "minicom (process 1234)", or "process 1234" when its name cannot be read.
    static std::string describe(pid_t pid);

  private:
    std::filesystem::path m_path;
};

} // namespace quillan
