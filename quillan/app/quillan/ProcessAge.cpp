#include "ProcessAge.h"

#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace quillan {

long processAgeMs() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // The command name may hold blanks: fields are counted after its closing parenthesis.
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    // Field 22 of the whole line, the start time, is the 20th after the name.
    for (int i = 0; i < 20 && fields >> field; ++i) {
    }
    unsigned long long startTicks = 0;
    if (!(std::istringstream(field) >> startTicks))
        return -1;
    timespec boot{};
    if (clock_gettime(CLOCK_BOOTTIME, &boot) != 0)
        return -1;
    const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
    const double nowMs = boot.tv_sec * 1000.0 + boot.tv_nsec / 1e6;
    return static_cast<long>(nowMs - startTicks * 1000.0 / ticks);
}

} // namespace quillan
