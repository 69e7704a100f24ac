#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include <QStringList>

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

// Reads the options (exits with a usage message on a bad command line) and creates the data folder,
// readable by its owner only, when it is missing. Throws std::runtime_error when it cannot be created.
ProgramOptions readProgramOptions(const QStringList& arguments);

} // namespace quillan
