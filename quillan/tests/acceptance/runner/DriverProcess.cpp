#include "DriverProcess.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include <cstdlib>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

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

    // The data folder is named relative to the scratch folder, so that messages naming a file of it
    // read the same on every run.
    std::vector<std::string> args = {driver.string(), "--echo", "--data-dir",
                                     dataDir.lexically_relative(scratch).string()};
    if (clock) {
        args.push_back("--clock");
        args.push_back(*clock);
    }
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("cannot start " + driver.string());
    if (pid == 0) {
        const int in = open(input.c_str(), O_RDONLY);
        const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 ||
            chdir(scratch.c_str()) != 0)
            _exit(126);
        // Local times (the clock's start, month file names, start times) read the same everywhere.
        setenv("TZ", "UTC", 1);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);

    Result result;
    result.output = linesOf(readAll(output));
    result.errors = readAll(errors);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

} // namespace quillan
