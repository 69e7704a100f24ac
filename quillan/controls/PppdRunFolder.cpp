#include "PppdRunFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <ctime>

namespace quillan {

namespace {

// The scan of one tick asks every entry in turn; within this time they share one look at the folder.
constexpr auto kFreshFor = std::chrono::milliseconds(20);
// File times are coarse: a folder changed this recently may change again under the same time.
constexpr time_t kSettleSeconds = 2;

bool alive(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

bool isDigits(std::string_view text) {
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// Reads a small file whole into buffer; the number of bytes, or -1.
ssize_t readSmall(int dirFd, const char* path, char* buffer, size_t size) {
    int fd = ::openat(dirFd, path, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return -1;
    size_t got = 0;
    while (got < size) {
        ssize_t n = ::read(fd, buffer + got, size - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    return static_cast<ssize_t>(got);
}

} // namespace

PppdRunFolder::PppdRunFolder(std::filesystem::path folder, std::string ownPeers, Clock clock)
    : m_folder(std::move(folder)), m_ownPeers(std::move(ownPeers)), m_clock(clock) {}

PppdRunFolder::~PppdRunFolder() {
    if (m_fd >= 0)
        ::close(m_fd);
}

bool PppdRunFolder::isUp(std::string_view name) {
    if (name.empty())
        return false;
    refresh();
    for (size_t i = 0; i < m_count; ++i) {
        const Link& link = m_links[i];
        if (link.alive && link.name == name && !(ignored && ignored(link.pid)))
            return true;
    }
    return false;
}

void PppdRunFolder::refresh() {
    auto now = m_clock();
    if (m_refreshedOnce && now - m_refreshed < kFreshFor)
        return;
    m_refreshedOnce = true;
    m_refreshed = now;
    if (folderChanged()) {
        scan();
        return;
    }
    for (size_t i = 0; i < m_count; ++i)
        m_links[i].alive = m_links[i].alive && alive(m_links[i].pid);
}

bool PppdRunFolder::folderChanged() {
    if (m_fd < 0)
        m_fd = ::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat status {};
    if (m_fd < 0 || ::fstat(m_fd, &status) != 0) {
        m_count = 0;
        return false;
    }
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    bool changed = status.st_mtim.tv_sec != m_seenChange.tv_sec ||
                   status.st_mtim.tv_nsec != m_seenChange.tv_nsec ||
                   now.tv_sec - status.st_mtim.tv_sec < kSettleSeconds;
    m_seenChange = status.st_mtim;
    return changed;
}

void PppdRunFolder::scan() {
    m_count = 0;
    if (::lseek(m_fd, 0, SEEK_SET) != 0)
        return;
    alignas(dirent64) char buffer[8192];
    for (;;) {
        long n = ::syscall(SYS_getdents64, m_fd, buffer, sizeof buffer);
        if (n <= 0)
            return;
        for (long at = 0; at < n;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer + at);
            at += entry->d_reclen;
            std::string_view fileName(entry->d_name);
            if (fileName.starts_with("ppp") && fileName.ends_with(".pid"))
                readPidFile(entry->d_name);
        }
    }
}

void PppdRunFolder::readPidFile(const char* fileName) {
    std::string_view name(fileName);
    std::string_view middle = name.substr(3, name.size() - 7);
    std::string_view linkName;
    if (middle.starts_with("-"))
        linkName = middle.substr(1);
    else if (!isDigits(middle))
        return;
    char text[32];
    ssize_t n = readSmall(m_fd, fileName, text, sizeof text);
    if (n <= 0)
        return;
    long pid = 0;
    const char* end = text + n;
    const char* digits = text;
    while (digits < end && (*digits == ' ' || *digits == '\t'))
        ++digits;
    auto [stop, error] = std::from_chars(digits, end, pid);
    if (error != std::errc() || stop == digits || pid <= 0 || pid > 0x3fffffff ||
        !alive(static_cast<pid_t>(pid)))
        return;
    if (m_count == m_links.size())
        m_links.emplace_back();
    if (callOf(static_cast<pid_t>(pid), linkName, m_links[m_count]))
        ++m_count;
}

bool PppdRunFolder::callOf(pid_t pid, std::string_view linkName, Link& link) const {
    char path[40];
    std::snprintf(path, sizeof path, "/proc/%d/cmdline", static_cast<int>(pid));
    char commandLine[4096];
    ssize_t n = readSmall(AT_FDCWD, path, commandLine, sizeof commandLine);
    if (n <= 0)
        return false; // not a process of ours to judge: no call to name
    std::string_view rest(commandLine, static_cast<size_t>(n));
    auto next = [&rest] {
        size_t end = rest.find('\0');
        std::string_view word = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        return word;
    };
    std::string_view program = next();
    if (program.substr(program.rfind('/') + 1) != "pppd")
        return false;
    std::string_view named;
    std::string_view call;
    std::string_view ipparam;
    while (!rest.empty()) {
        std::string_view word = next();
        if (word == "linkname")
            named = next();
        else if (word == "call")
            call = next();
        else if (word == "ipparam")
            ipparam = next();
    }
    std::string_view name = !linkName.empty()    ? linkName
                            : !named.empty()     ? named
                            : call == m_ownPeers ? ipparam
                                                 : call;
    if (name.empty())
        return false;
    link.pid = pid;
    link.name.assign(name);
    link.alive = true;
    return true;
}

} // namespace quillan
