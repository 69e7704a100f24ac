#include "PppdPidFile.h"

#include <signal.h>

#include <cerrno>
#include <fstream>

namespace quillan {

bool pppdPidFileIsLive(const std::filesystem::path& runFolder, const std::string& linkName) {
    if (linkName.empty() || linkName.find('/') != std::string::npos || linkName == "." || linkName == "..")
        return false;
    std::ifstream file(runFolder / ("ppp-" + linkName + ".pid"));
    long pid = 0;
    if (!(file >> pid) || pid <= 0 || pid > 0x3fffffff)
        return false;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM)
        return false;
    std::ifstream name("/proc/" + std::to_string(pid) + "/comm");
    std::string command;
    if (!std::getline(name, command))
        return true; // no process names to compare: a live number is all there is
    return command == "pppd";
}

} // namespace quillan
