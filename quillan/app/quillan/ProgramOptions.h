#pragma once

#include "CommandLine.h"

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

namespace quillan {

// What the command line and the environment ask of the program.
struct ProgramOptions {
    std::filesystem::path dataDir;
    // Whether dataDir is the one a start without options and environment uses.
    bool standardDataDir = false;
    std::filesystem::path phonebook;
    std::filesystem::path pppdRunDir = "/run";
    // Headless evidence: a picture of every window shown goes into this folder.
    std::optional<std::filesystem::path> screenshots;
};

// The data folder cannot be found, created or written: the message names the folder and the reason.
class DataFolderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The program's options and their help.
CommandLine programCommandLine();

// The options of a parsed command line, with the defaults from the environment. Creates the data folder,
// readable by its owner only, when it is missing. Throws DataFolderError when it cannot be used.
ProgramOptions programOptions(const CommandLine& commandLine);

} // namespace quillan
