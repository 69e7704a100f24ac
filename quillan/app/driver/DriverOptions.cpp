#include "DriverOptions.h"

#include "testsupport/ManualClock.h"

#include <stdexcept>

namespace quillan {

namespace {

constexpr const char* kDefaultClock = "2026-01-15 10:00:00";
constexpr const char* kUsage =
    "usage: quillan-driver [--data-dir DIR] [--clock \"YYYY-MM-DD HH:MM:SS\"] [--echo] [--echo-host HOST]";

std::time_t clockOf(const std::string& text) {
    const std::time_t t = parseLocalTime(text.c_str());
    if (t == -1)
        throw std::invalid_argument("not a local time YYYY-MM-DD HH:MM:SS: " + text);
    return t;
}

} // namespace

DriverOptions DriverOptions::parse(const std::vector<std::string>& args) {
    DriverOptions options;
    options.clock = clockOf(kDefaultClock);
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--data-dir" && hasValue)
            options.dataDir = args[++i];
        else if (arg == "--clock" && hasValue)
            options.clock = clockOf(args[++i]);
        else if (arg == "--echo")
            options.echo = true;
        else if (arg == "--echo-host" && hasValue)
            options.echoHost = args[++i];
        else
            throw std::invalid_argument(kUsage);
    }
    return options;
}

} // namespace quillan
