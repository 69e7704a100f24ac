#include "WineCheck.h"

#include <cstdio>

namespace winecheck {

namespace {

int g_passed = 0;
int g_failed = 0;
const char* g_group = "";

} // namespace

void group(const char* name) {
    g_group = name;
    std::printf("-- %s\n", name);
    std::fflush(stdout);
}

bool record(bool ok, const char* expression, const char* file, int line) {
    if (ok) {
        ++g_passed;
    } else {
        ++g_failed;
        std::printf("FAILED [%s] %s:%d: %s\n", g_group, file, line, expression);
        std::fflush(stdout);
    }
    return ok;
}

bool recordEqual(long long expected, long long actual, const char* expression, const char* file, int line) {
    const bool ok = expected == actual;
    if (!ok)
        std::printf("  %s: expected 0x%llx, got 0x%llx\n", expression, expected, actual);
    return record(ok, expression, file, line);
}

int finish() {
    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    std::fflush(stdout);
    return g_failed == 0 && g_passed > 0 ? 0 : 1;
}

} // namespace winecheck
