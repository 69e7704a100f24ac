#include "ProgramOptions.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace quillan {

namespace {
const char* kRemedy = "; choose another with --data-dir DIR or QUILLAN_DATA_DIR";

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The folder of the XDG base directories: a relative XDG_CONFIG_HOME is to be ignored.
std::optional<std::filesystem::path> standardDataDir() {
    if (std::filesystem::path config = environment("XDG_CONFIG_HOME"); config.is_absolute())
        return config / "quillan";
    if (std::string home = environment("HOME"); !home.empty())
        return std::filesystem::path(home) / ".config" / "quillan";
    return std::nullopt;
}

std::filesystem::path defaultDataDir() {
    if (std::string fromEnvironment = environment("QUILLAN_DATA_DIR"); !fromEnvironment.empty())
        return fromEnvironment;
    if (std::optional<std::filesystem::path> standard = standardDataDir())
        return *standard;
    throw DataFolderError("no data folder: none of QUILLAN_DATA_DIR, XDG_CONFIG_HOME and HOME is set"
                          "; give one with --data-dir DIR");
}

void prepareDataDir(const std::filesystem::path& dir) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(dir, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_directory(status))
        throw DataFolderError("the data folder " + dir.string() + " is not a folder" + kRemedy);
    if (!std::filesystem::exists(status)) {
        std::filesystem::create_directories(dir, error);
        if (error)
            throw DataFolderError("cannot create the data folder " + dir.string() + ": " + error.message() + kRemedy);
        // It will hold the settings file with the dial-up passwords.
        std::filesystem::permissions(dir, std::filesystem::perms::owner_all, error);
    }
    if (::access(dir.c_str(), R_OK | W_OK | X_OK) != 0)
        throw DataFolderError("cannot use the data folder " + dir.string() + ": " + std::strerror(errno) + kRemedy);
}
} // namespace

CommandLine programCommandLine() {
    return CommandLine(
        "quillan", "Quillan, the dial-up networking companion: dials, redials, counts time and cost.",
        {{"data-dir", "DIR",
          "folder of the settings, the monthly call logs and the phonebook (default $QUILLAN_DATA_DIR, "
          "else $XDG_CONFIG_HOME/quillan, else ~/.config/quillan)"},
         {"phonebook", "FILE", "phonebook file (default phonebook.ini in the data folder)"},
         {"pppd-run-dir", "DIR", "where pppd keeps its pid files (default /run)"},
         {"screenshots", "DIR", "save a picture of every window shown into DIR, print each path, quit when done"}},
        "See quillan(1) for the files, the environment and the groups a user needs to dial.\n");
}

ProgramOptions programOptions(const CommandLine& commandLine) {
    ProgramOptions options;
    if (std::optional<std::string> dataDir = commandLine.value("data-dir"))
        options.dataDir = *dataDir;
    else
        options.dataDir = defaultDataDir();
    prepareDataDir(options.dataDir);
    std::error_code error;
    const std::optional<std::filesystem::path> standard = standardDataDir();
    options.standardDataDir = standard && std::filesystem::equivalent(options.dataDir, *standard, error);
    options.phonebook = commandLine.value("phonebook").value_or((options.dataDir / "phonebook.ini").string());
    if (std::optional<std::string> pppdRunDir = commandLine.value("pppd-run-dir"))
        options.pppdRunDir = *pppdRunDir;
    if (std::optional<std::string> screenshots = commandLine.value("screenshots"))
        options.screenshots = *screenshots;
    return options;
}

} // namespace quillan
