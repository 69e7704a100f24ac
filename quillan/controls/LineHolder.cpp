#include "LineHolder.h"

#include "UucpLock.h"

#include <unistd.h>

#include <filesystem>

namespace quillan {

std::string lineHolder(const std::string& device) {
    std::error_code failed;
    const std::filesystem::path wanted = std::filesystem::canonical(device, failed);
    if (failed)
        return "";
    for (const auto& process : std::filesystem::directory_iterator("/proc", failed)) {
        const std::string pid = process.path().filename().string();
        if (pid.find_first_not_of("0123456789") != std::string::npos || std::stoi(pid) == ::getpid())
            continue;
        std::error_code unreadable;
        for (const auto& fd : std::filesystem::directory_iterator(process.path() / "fd", unreadable)) {
            std::error_code gone;
            if (std::filesystem::read_symlink(fd.path(), gone) == wanted)
                return UucpLock::describe(std::stoi(pid));
        }
    }
    return "";
}

} // namespace quillan
