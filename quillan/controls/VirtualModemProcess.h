#pragma once

#include "ChildProcess.h"

#include <filesystem>
#include <string>

namespace quillan {

// The virtual modem program, started on first use and kept running so that its script follows
// successive dials. It ends with this object (or with the program that owns it, through its standard input).
class VirtualModemProcess {
  public:
    VirtualModemProcess(std::filesystem::path program, std::filesystem::path script, int startTimeoutMs);
    ~VirtualModemProcess();
    VirtualModemProcess(const VirtualModemProcess&) = delete;
    VirtualModemProcess& operator=(const VirtualModemProcess&) = delete;

    // The modem's line (a pseudo-terminal), starting the program if it is not running. Returns "" and
    // sets error when it cannot be started.
    std::string line(std::string& error);

    // The helper installed with the running program (its libexec folder), else the one on the search path.
    static std::filesystem::path defaultProgram();

  private:
    std::string startProgram(std::string& error);
    void end();

    std::filesystem::path m_program;
    std::filesystem::path m_script;
    int m_startTimeoutMs;
    ChildProcess m_process;
    int m_keepAlive = -1;
    std::string m_line;
};

} // namespace quillan
