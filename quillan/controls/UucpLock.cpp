#include "UucpLock.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace quillan {

namespace {

// The holder's number, or 0 when the file holds none.
pid_t holder(const std::filesystem::path& lock) {
    std::ifstream file(lock);
    long pid = 0;
    if (!(file >> pid) || pid <= 0 || pid > 0x3fffffff)
        return 0;
    return static_cast<pid_t>(pid);
}

bool alive(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

} // namespace

std::string UucpLock::fileName(const std::string& device) {
    std::string name = device.starts_with("/dev/") ? device.substr(5) : device;
    for (char& c : name)
        if (c == '/')
            c = '_';
    return "LCK.." + name;
}

std::string UucpLock::describe(pid_t pid) {
    std::ifstream file("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    if (std::getline(file, name) && !name.empty())
        return name + " (process " + std::to_string(pid) + ")";
    return "process " + std::to_string(pid);
}

std::string UucpLock::acquire(const std::filesystem::path& folder, const std::string& device) {
    release();
    const std::filesystem::path lock = folder / fileName(device);
    char text[16];
    std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(::getpid()));
    // Written whole under a name of our own, then linked: nobody ever reads a half-written lock.
    const std::filesystem::path own = folder / ("LTMP." + std::to_string(::getpid()));
    int fd = ::open(own.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return ""; // a system without a writable lock folder: the port's own locks still hold
    bool written = ::write(fd, text, std::strlen(text)) == static_cast<ssize_t>(std::strlen(text));
    ::close(fd);
    std::string refusal;
    for (int attempt = 0; written && attempt < 2; ++attempt) {
        if (::link(own.c_str(), lock.c_str()) == 0) {
            m_path = lock;
            break;
        }
        if (errno != EEXIST)
            break;
        pid_t pid = holder(lock);
        if (pid == ::getpid()) { // left by an earlier call of this program
            m_path = lock;
            break;
        }
        if (pid > 0 && alive(pid)) {
            refusal =
                device + " is in use by " + describe(pid) + "; end that program or wait until it is done";
            break;
        }
        ::unlink(lock.c_str()); // stale: its holder is gone
    }
    ::unlink(own.c_str());
    return refusal;
}

void UucpLock::release() {
    if (m_path.empty())
        return;
    if (holder(m_path) == ::getpid())
        ::unlink(m_path.c_str());
    m_path.clear();
}

} // namespace quillan
