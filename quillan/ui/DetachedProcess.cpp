#include "DetachedProcess.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillan {

namespace {

bool writeAll(int fd, const void* data, size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, bytes, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

size_t readAll(int fd, void* data, size_t size) {
    char* bytes = static_cast<char*>(data);
    size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, bytes + got, size - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<size_t>(n);
    }
    return got;
}

// In the grandchild: the standard streams go nowhere, then the program replaces it. Reports the
// failure of exec through the pipe, which closes unseen on success.
[[noreturn]] void execute(const std::vector<char*>& argv, int report) {
    const int null = ::open("/dev/null", O_RDWR);
    if (null >= 0) {
        ::dup2(null, STDIN_FILENO);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        if (null > STDERR_FILENO)
            ::close(null);
    }
    ::execv(argv[0], argv.data());
    const int error = errno;
    const pid_t none = -1;
    writeAll(report, &none, sizeof none);
    writeAll(report, &error, sizeof error);
    ::_exit(127);
}

} // namespace

std::optional<pid_t> startDetached(const std::string& program, const std::vector<std::string>& args) {
    std::vector<std::string> words{program};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0)
        return std::nullopt;
    const pid_t middle = ::fork();
    if (middle < 0) {
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        return std::nullopt;
    }
    if (middle == 0) {
        // The middle process leaves at once, so the program is handed to init and is no child of ours.
        ::close(pipeFds[0]);
        ::setsid();
        const pid_t program = ::fork();
        if (program == 0)
            execute(argv, pipeFds[1]);
        writeAll(pipeFds[1], &program, sizeof program);
        ::_exit(program < 0 ? 1 : 0);
    }
    ::close(pipeFds[1]);
    int status = 0;
    while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    // The middle process reports the program's id, the program a failed exec as -1 and its errno; each
    // write is whole, but the two may come in either order. The pipe ends once both are gone.
    int records[3] = {0, 0, 0};
    const size_t got = readAll(pipeFds[0], records, sizeof records) / sizeof(int);
    ::close(pipeFds[0]);
    pid_t started = 0;
    for (size_t i = 0; i < got; ++i) {
        if (records[i] == -1)
            return std::nullopt;
        if (started == 0 && records[i] > 0)
            started = records[i];
    }
    if (started <= 0)
        return std::nullopt;
    return started;
}

} // namespace quillan
