#pragma once

#include <filesystem>
#include <string>

namespace quillan {

// A path argument of a command: an absolute one as it stands, a relative one inside the data folder.
std::string insideDataFolder(const std::filesystem::path& dataDir, const std::string& path);

} // namespace quillan
