#pragma once

#include <filesystem>
#include <string>

namespace quillan {

// When ModemManager runs, it opens modem ports to probe them, which leaves a dialer a busy port or
// strange answers. Returns how to keep it off the port, or "" when it is not running.
std::string modemManagerHint(const std::filesystem::path& processes = "/proc");

} // namespace quillan
