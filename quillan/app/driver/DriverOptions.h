#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace quillan {

// The driver's command line: [--data-dir DIR] [--clock "YYYY-MM-DD HH:MM:SS"] [--echo] [--echo-host HOST].
struct DriverOptions {
    std::optional<std::string> dataDir;
    std::time_t clock = 0;
    bool echo = false;
    // The keep-alive's target in place of the built-in one.
    std::optional<std::string> echoHost;

    // Throws std::invalid_argument with a usage message for anything else.
    static DriverOptions parse(const std::vector<std::string>& args);
};

} // namespace quillan
