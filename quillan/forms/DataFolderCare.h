#pragma once

#include <filesystem>
#include <string>

namespace quillan {

// Start-up care of the data folder: removes what interrupted saves left behind, and makes a settings
// file that others can read, or a folder that others can write to, the user's own. Returns what the
// user must be told about it, or "".
std::string tidyDataFolder(const std::filesystem::path& dataDir);

} // namespace quillan
