#pragma once

#include "Module1.h"
#include "Money.h"

#include <ctime>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

namespace quillan {

// A monthly log file that cannot be read or written; what() names the file and the reason.
class MonthlyLogError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// "<year><month>.txt" for the local date at now, without leading zeros: "19982.txt", "202612.txt".
std::string monthlyLogName(std::time_t now);

// Starts the record of a call: clears the warned flags, then reads this month's log from dataDir
// into m.monthlylog (each line kept as read) and m.monthlytotal (the sum of the lines that are
// numbers). A missing file is an empty log. Throws MonthlyLogError when the file exists but
// cannot be read; the log is then empty and the next endCallRecord reads the file again.
void beginCallRecord(Module1& m, const std::filesystem::path& dataDir, std::time_t now);

// Ends the record of a call: sets the hang-up time and the last duration (seconds since
// m.starttime), appends it to the log of the month in which the call ended and replaces that file
// atomically. When the log in memory belongs to another month (the call went past a month's end)
// the ending month's file is read first, so it gets its own earlier lines plus this call; the
// other month's file is left as it was and m.monthlytotal becomes the ending month's earlier total.
// Returns the call's cost when showcost is "true" (an unreadable rate counts as 0; nullopt also
// when the cost is beyond the money range). Throws MonthlyLogError, with the file as it was, when
// the file cannot be read or written.
std::optional<Money> endCallRecord(Module1& m, const std::filesystem::path& dataDir, std::time_t now);

} // namespace quillan
