#pragma once

#include <string>

namespace quillan {

// Which program has the device open, as "minicom (process 1234)", or "" when none can be seen.
std::string lineHolder(const std::string& device);

} // namespace quillan
