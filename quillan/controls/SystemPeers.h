#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quillan {

// The connections the user already has as pppd peers files (made by pppconfig or by hand): every
// readable file of the folder but the dialer's own, by name, in name order. Editors' backups and package
// leftovers are not connections.
std::vector<std::string> systemPeers(const std::filesystem::path& folder, const std::string& ownPeers);

} // namespace quillan
