#pragma once

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace quillan {

// Starts program with args as a process of its own: in a new session, not Quillan's child (so it
// outlives Quillan), reading from and writing to nowhere, not waited for. The process id, or nullopt
// when the program could not be started.
std::optional<pid_t> startDetached(const std::string& program, const std::vector<std::string>& args);

} // namespace quillan
