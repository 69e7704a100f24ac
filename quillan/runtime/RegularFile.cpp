#include "RegularFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillan {

namespace {

[[noreturn]] void fail(int error) {
    throw FileReadError(std::strerror(error), error == ENOENT);
}

const char* kindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return "it is a folder, not a file";
    if (S_ISFIFO(mode))
        return "it is a named pipe (FIFO), not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device, not a file";
    if (S_ISSOCK(mode))
        return "it is a socket, not a file";
    return "it is not a regular file";
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { ::close(m_fd); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

  private:
    int m_fd;
};

} // namespace

std::string readRegularFile(const std::filesystem::path& file, std::size_t limit) {
    // Non-blocking, so that opening a FIFO does not wait for a writer.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        fail(errno);
    const Descriptor open(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        fail(errno);
    if (!S_ISREG(info.st_mode))
        throw FileReadError(kindOf(info.st_mode), false);
    const std::string tooLarge = "it is larger than " + std::to_string(limit / 1024) +
                                 " KiB, far more than Quillan ever writes; it is not one of its files";
    if (static_cast<std::size_t>(info.st_size) > limit)
        throw FileReadError(tooLarge, false);
    std::string contents;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            fail(errno);
        if (got == 0)
            return contents;
        // The file may have grown since it was measured.
        if (contents.size() + static_cast<std::size_t>(got) > limit)
            throw FileReadError(tooLarge, false);
        contents.append(buffer, static_cast<std::size_t>(got));
    }
}

bool nothingAt(const std::filesystem::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) != 0 && errno == ENOENT;
}

} // namespace quillan
