#include "DriverProcess.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace quillan {

namespace {

std::string readAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

DriverProcess::Result DriverProcess::run(const std::filesystem::path& driver,
                                         const std::filesystem::path& dataDir,
                                         const std::optional<std::string>& clock,
                                         const std::vector<std::string>& commands,
                                         const std::filesystem::path& scratch) {
    const auto input = scratch / "commands.txt";
    const auto output = scratch / "output.txt";
    const auto errors = scratch / "errors.txt";
    {
        std::ofstream in(input, std::ios::binary | std::ios::trunc);
        for (const std::string& command : commands)
            in << command << '\n';
    }

    std::vector<std::string> args = {driver.string(), "--echo", "--data-dir", dataDir.string()};
    if (clock) {
        args.push_back("--clock");
        args.push_back(*clock);
    }
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed)
        throw std::runtime_error("cannot start " + driver.string());
    int status = 0;
    waitpid(pid, &status, 0);

    Result result;
    result.output = linesOf(readAll(output));
    result.errors = readAll(errors);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

} // namespace quillan
