#pragma once

#include "CommandLine.h"

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

namespace quillan {

inline constexpr int kFastestDemoPace = 100;

// What the command line and the environment ask of the program.
struct ProgramOptions {
    std::filesystem::path dataDir;
    // Whether dataDir is the one a start without options and environment uses.
    bool standardDataDir = false;
    std::filesystem::path phonebook;
    std::filesystem::path pppdRunDir = "/run";
    std::filesystem::path peersDir = "/etc/ppp/peers";
    // The net toolkit's time server and the keep-alive's echo target; empty for the built-in ones.
    std::string timeServer;
    int timePort = 123;
    std::string echoHost;
    // The modem dialogue, the dialer's states and pppd's messages go to standard error.
    bool trace = false;
    // Headless evidence: a picture of every window shown goes into this folder.
    std::optional<std::filesystem::path> screenshots;
    // How many times faster than life the demonstration of a screenshot run goes.
    int demoPace = 1;
    // Start-up timing: report the first paint and end there.
    bool quitAfterFirstPaint = false;
};

// The data folder cannot be found, created or written: the message names the folder and the reason.
class DataFolderError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// An option's value is out of its range: a usage error, as an unknown option is.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The program's options and their help.
CommandLine programCommandLine();

// The options of a parsed command line, with the defaults from the environment. Creates the data folder,
// readable by its owner only, when it is missing. Throws UsageError for a wrong value, DataFolderError when
// the data folder cannot be used.
ProgramOptions programOptions(const CommandLine& commandLine);

} // namespace quillan
