#pragma once

// Checks for the programs run under Wine, where no test framework is cross-built: every check is
// counted, failures are printed, and the last line reads "N passed, M failed".
namespace winecheck {

void group(const char* name);
bool record(bool ok, const char* expression, const char* file, int line);
bool recordEqual(long long expected, long long actual, const char* expression, const char* file, int line);
// Prints the summary; the exit code is nonzero when anything failed or nothing was checked.
int finish();

} // namespace winecheck

#define CHECK(condition) ::winecheck::record(static_cast<bool>(condition), #condition, __FILE__, __LINE__)
#define CHECK_EQ(expected, actual)                                                                           \
    ::winecheck::recordEqual(static_cast<long long>(expected), static_cast<long long>(actual), #actual,      \
                             __FILE__, __LINE__)
