#include "ManualClock.h"

#include <cstdio>

namespace quillan {

std::time_t parseLocalTime(const char* text) {
    std::tm tm{};
    char tail = 0;
    if (std::sscanf(text, "%d-%d-%d %d:%d:%d%c", &tm.tm_year, &tm.tm_mon, &tm.tm_mday, &tm.tm_hour,
                    &tm.tm_min, &tm.tm_sec, &tail) != 6)
        return -1;
    tm.tm_year -= 1900;
    tm.tm_mon -= 1;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

} // namespace quillan
