#include "VirtualModemProcess.h"

#include "LineReader.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sstream>

namespace quillan {

namespace {

constexpr const char* kProgramName = "quillan-vmodem";

void closeFd(int& fd) {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

// Reads the first line the program prints, waiting at most timeoutMs.
std::string firstLine(int fd, int timeoutMs, std::string& error) {
    LineReader reader({.lineBytes = 4096});
    std::optional<std::string> text;
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        pollfd p{fd, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) == 0) {
            error = "it did not name its line in time";
            return "";
        }
        char c = 0;
        ssize_t n = ::read(fd, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = "it ended before naming its line";
            return "";
        }
        reader.feed(std::string_view(&c, 1), [&](const LineReader::Line& line) { text = line.text; });
        if (text)
            return *text;
    }
}

} // namespace

VirtualModemProcess::VirtualModemProcess(std::filesystem::path program, std::filesystem::path script,
                                         int startTimeoutMs)
    : m_program(std::move(program)), m_script(std::move(script)), m_startTimeoutMs(startTimeoutMs) {}

VirtualModemProcess::~VirtualModemProcess() {
    end();
}

void VirtualModemProcess::end() {
    closeFd(m_keepAlive);
    m_process.stop();
    m_line.clear();
}

std::string VirtualModemProcess::line(std::string& error) {
    if (m_process.running() && !m_process.ended())
        return m_line;
    end();
    return startProgram(error);
}

std::string VirtualModemProcess::startProgram(std::string& error) {
    int input[2];
    int output[2];
    if (::pipe2(input, O_CLOEXEC) != 0) {
        error = std::strerror(errno);
        return "";
    }
    if (::pipe2(output, O_CLOEXEC) != 0) {
        error = std::strerror(errno);
        ::close(input[0]);
        ::close(input[1]);
        return "";
    }
    std::vector<std::string> args{"--watch-stdin"};
    if (!m_script.empty())
        args.insert(args.end(), {"--script", m_script.string()});
    std::string program = m_program.empty() ? defaultProgram().string() : m_program.string();
    error = m_process.start(program, args, {{0, input[0]}, {1, output[1]}, {2, STDERR_FILENO}});
    ::close(input[0]);
    ::close(output[1]);
    m_keepAlive = input[1];
    if (error.empty())
        m_line = firstLine(output[0], m_startTimeoutMs, error);
    ::close(output[0]);
    if (!error.empty() && !error.starts_with(program))
        error = program + ": " + error;
    if (m_line.empty())
        end();
    return m_line;
}

std::filesystem::path VirtualModemProcess::defaultProgram() {
    // The helpers' folder lies at the same place relative to the program in the build tree and once
    // installed.
    std::error_code failed;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", failed);
    const std::filesystem::path helper = self.parent_path() / QUILLAN_HELPERS_FROM_PROGRAM / kProgramName;
    if (!failed && ::access(helper.c_str(), X_OK) == 0)
        return helper.lexically_normal();
    if (const char* path = std::getenv("PATH")) {
        std::istringstream folders(path);
        for (std::string folder; std::getline(folders, folder, ':');)
            if (!folder.empty() &&
                ::access((std::filesystem::path(folder) / kProgramName).c_str(), X_OK) == 0)
                return std::filesystem::path(folder) / kProgramName;
    }
    return kProgramName;
}

} // namespace quillan
