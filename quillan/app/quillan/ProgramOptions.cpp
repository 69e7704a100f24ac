#include "ProgramOptions.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
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
            throw DataFolderError("cannot create the data folder " + dir.string() + ": " + error.message() +
                                  kRemedy);
        // It will hold the settings file with the dial-up passwords.
        std::filesystem::permissions(dir, std::filesystem::perms::owner_all, error);
    }
    if (::access(dir.c_str(), R_OK | W_OK | X_OK) != 0)
        throw DataFolderError("cannot use the data folder " + dir.string() + ": " + std::strerror(errno) +
                              kRemedy);
}
} // namespace

CommandLine programCommandLine() {
    return CommandLine(
        "quillan", "Quillan, the dial-up networking companion: dials, redials, counts time and cost.",
        {{"data-dir", "DIR",
          "folder of the settings, the monthly call logs and the phonebook (default $QUILLAN_DATA_DIR, "
          "else $XDG_CONFIG_HOME/quillan, else ~/.config/quillan)"},
         {"phonebook", "FILE", "phonebook file (default phonebook.ini in the data folder)"},
         {"peers-dir", "DIR", "where the system's pppd peers are (default /etc/ppp/peers)"},
         {"pppd-run-dir", "DIR", "where pppd keeps its pid files (default /run)"},
         {"time-server", "HOST",
          "time server of the Net Toolkit, as HOST or HOST:PORT (default pool.ntp.org)"},
         {"echo-host", "HOST", "host the keep-alive echoes go to (default www.debian.org)"},
         {"trace", "",
          "write every line to and from the modem, each state of the dialer and pppd's messages to standard "
          "error (passwords masked)"},
         {"screenshots", "DIR",
          "save a picture of every window shown into DIR, print each path, quit when done"},
         {"demo-pace", "N",
          "with --screenshots: run the demonstration N times faster (its pauses, the windows' timers and the "
          "line's rest between calls)"},
         {"quit-after-first-paint", "",
          "print when the first window has been painted and quit (start-up timing)"}},
        "See quillan(1) for the files, the environment and the groups a user needs to dial.\n");
}

namespace {
// HOST, HOST:PORT, or [ADDRESS]:PORT for IPv6.
void readTimeServer(std::string host, ProgramOptions& options) {
    const std::size_t colon = host.rfind(':');
    if (colon != std::string::npos && colon > 0 && (host.find(':') == colon || host.starts_with('['))) {
        const std::string digits = host.substr(colon + 1);
        char* end = nullptr;
        const long port = digits.empty() ? 0 : std::strtol(digits.c_str(), &end, 10);
        if (end && *end == '\0' && port > 0 && port < 65536) {
            options.timePort = static_cast<int>(port);
            host.resize(colon);
        }
    }
    if (host.size() >= 2 && host.starts_with('[') && host.ends_with(']'))
        host = host.substr(1, host.size() - 2);
    options.timeServer = host;
}

int demoPace(const std::string& text) {
    char* end = nullptr;
    const long pace = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || pace < 1 || pace > kFastestDemoPace)
        throw UsageError("--demo-pace takes a whole number from 1 to " + std::to_string(kFastestDemoPace));
    return static_cast<int>(pace);
}
} // namespace

ProgramOptions programOptions(const CommandLine& commandLine) {
    ProgramOptions options;
    // A wrong value is refused before anything is made.
    if (std::optional<std::string> pace = commandLine.value("demo-pace"))
        options.demoPace = demoPace(*pace);
    if (std::optional<std::string> dataDir = commandLine.value("data-dir"))
        options.dataDir = *dataDir;
    else
        options.dataDir = defaultDataDir();
    prepareDataDir(options.dataDir);
    std::error_code error;
    const std::optional<std::filesystem::path> standard = standardDataDir();
    options.standardDataDir = standard && std::filesystem::equivalent(options.dataDir, *standard, error);
    options.phonebook = commandLine.value("phonebook").value_or((options.dataDir / "phonebook.ini").string());
    if (std::optional<std::string> peersDir = commandLine.value("peers-dir"))
        options.peersDir = *peersDir;
    if (std::optional<std::string> pppdRunDir = commandLine.value("pppd-run-dir"))
        options.pppdRunDir = *pppdRunDir;
    if (std::optional<std::string> timeServer = commandLine.value("time-server"))
        readTimeServer(*timeServer, options);
    if (std::optional<std::string> echoHost = commandLine.value("echo-host"))
        options.echoHost = *echoHost;
    options.trace = commandLine.isSet("trace");
    if (std::optional<std::string> screenshots = commandLine.value("screenshots"))
        options.screenshots = *screenshots;
    options.quitAfterFirstPaint = commandLine.isSet("quit-after-first-paint");
    return options;
}

} // namespace quillan
