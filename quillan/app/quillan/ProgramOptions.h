#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include <QStringList>

namespace quillan {

// What the command line and the environment ask of the program.
struct ProgramOptions {
    std::filesystem::path dataDir;
    // Whether dataDir is the one a start without options and environment uses.
    bool standardDataDir = false;
    std::filesystem::path phonebook;
    std::filesystem::path pppdRunDir = "/run";
    // The modem dialogue, the dialer's states and pppd's messages go to standard error.
    bool trace = false;
    // Headless evidence: a picture of every window shown goes into this folder.
    std::optional<std::filesystem::path> screenshots;
};

// Reads the options (exits with a usage message on a bad command line) and creates the data folder,
// readable by its owner only, when it is missing. Throws std::runtime_error when it cannot be created.
ProgramOptions readProgramOptions(const QStringList& arguments);

} // namespace quillan
