#pragma once

#include <filesystem>
#include <string>

namespace quillan {

// Whether runFolder/ppp-<linkName>.pid names a pppd that is still running. A stale file whose
// number now belongs to another program does not count.
bool pppdPidFileIsLive(const std::filesystem::path& runFolder, const std::string& linkName);

} // namespace quillan
